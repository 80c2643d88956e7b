#pragma once
// Tokens of the stored-layout text (see layout_reader.h for the grammar).
// Every token knows where it starts; every error names that place.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct LayoutPosition {
    int line = 1;
    int column = 1;
};

struct LayoutToken {
    enum Kind { End, Identifier, Integer, String, Symbol, Binary };
    Kind kind = End;
    LayoutPosition at;
    std::string text;  // Identifier (dotted names kept whole), String (decoded), Symbol
    std::int64_t integer = 0;
    std::vector<std::uint8_t> bytes;  // Binary: the bytes between { and }

    bool is_symbol(char c) const { return kind == Symbol && text.size() == 1 && text[0] == c; }
    // Case-insensitive, as layouts are.
    bool is_word(std::string_view word) const;
};

class LayoutLexer {
public:
    explicit LayoutLexer(std::string_view text) : text_(text) {}

    // Fails with EReadError "Line L, column C: <what>".
    LayoutToken next();
    [[noreturn]] static void fail(LayoutPosition at, const std::string& what);

private:
    char peek(std::size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
    bool at_end() const { return pos_ >= text_.size(); }
    void advance();
    void skip_blanks();
    void read_identifier(LayoutToken& t);
    void read_integer(LayoutToken& t);
    void read_string(LayoutToken& t);
    void read_binary(LayoutToken& t);

    std::string_view text_;
    std::size_t pos_ = 0;
    LayoutPosition here_;
};

}  // namespace korvane
