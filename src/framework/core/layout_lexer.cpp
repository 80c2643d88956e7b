#include "framework/core/layout_lexer.h"

#include "base/strings.h"
#include "framework/core/errors.h"

namespace korvane {

namespace {

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
int hex_value(char c) {
    if (is_digit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Values beyond 32 bits are never valid; stopping there also keeps the arithmetic safe.
constexpr std::int64_t kIntegerLimit = std::int64_t(1) << 32;

void append_utf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | code >> 6);
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | code >> 12);
        out += char(0x80 | (code >> 6 & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | code >> 18);
        out += char(0x80 | (code >> 12 & 0x3F));
        out += char(0x80 | (code >> 6 & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

}  // namespace

bool LayoutToken::is_word(std::string_view word) const {
    return kind == Identifier && equals_ignore_case(text, word);
}

void LayoutLexer::fail(LayoutPosition at, const std::string& what) {
    throw EReadError(format("Line %d, column %d: %s", at.line, at.column, what.c_str()));
}

void LayoutLexer::advance() {
    if (text_[pos_] == '\n') {
        ++here_.line;
        here_.column = 1;
    } else {
        ++here_.column;
    }
    ++pos_;
}

void LayoutLexer::skip_blanks() {
    while (!at_end() && (peek() == ' ' || peek() == '\t' || peek() == '\r' || peek() == '\n')) advance();
}

LayoutToken LayoutLexer::next() {
    skip_blanks();
    LayoutToken t;
    t.at = here_;
    if (at_end()) return t;
    char c = peek();
    if (is_letter(c)) {
        read_identifier(t);
    } else if (is_digit(c) || c == '$' || (c == '-' && (is_digit(peek(1)) || peek(1) == '$'))) {
        read_integer(t);
    } else if (c == '\'' || c == '#') {
        read_string(t);
    } else if (c == '{') {
        read_binary(t);
    } else if (std::string_view("=:[],<>").find(c) != std::string_view::npos) {
        t.kind = LayoutToken::Symbol;
        t.text = c;
        advance();
    } else {
        fail(t.at, format("Unexpected character 0x%02X", unsigned(std::uint8_t(c))));
    }
    return t;
}

void LayoutLexer::read_identifier(LayoutToken& t) {
    t.kind = LayoutToken::Identifier;
    for (;;) {
        while (!at_end() && (is_letter(peek()) || is_digit(peek()))) {
            t.text += peek();
            advance();
        }
        if (peek() != '.' || !is_letter(peek(1))) return;
        t.text += '.';
        advance();
    }
}

void LayoutLexer::read_integer(LayoutToken& t) {
    t.kind = LayoutToken::Integer;
    bool negative = peek() == '-';
    if (negative) advance();
    bool hex = peek() == '$';
    if (hex) advance();
    int digits = 0;
    for (;; ++digits) {
        int d = hex ? hex_value(peek()) : (is_digit(peek()) ? peek() - '0' : -1);
        if (d < 0) break;
        t.integer = t.integer * (hex ? 16 : 10) + d;
        if (t.integer >= kIntegerLimit) fail(t.at, "Integer value out of range");
        advance();
    }
    if (digits == 0) fail(t.at, "Invalid integer");
    if (is_letter(peek()) || is_digit(peek())) fail(here_, "Invalid integer");
    if (negative) t.integer = -t.integer;
}

// A string is a run of quoted parts ('it''s') and character codes (#13, #20320).
void LayoutLexer::read_string(LayoutToken& t) {
    t.kind = LayoutToken::String;
    for (;;) {
        if (peek() == '\'') {
            LayoutPosition start = here_;
            advance();
            for (;;) {
                if (at_end() || peek() == '\n' || peek() == '\r') fail(start, "Unterminated string");
                if (peek() == '\'') {
                    advance();
                    if (peek() != '\'') break;
                }
                t.text += peek();
                advance();
            }
        } else if (peek() == '#') {
            LayoutPosition start = here_;
            advance();
            std::uint32_t code = 0;
            int digits = 0;
            for (; is_digit(peek()); ++digits) {
                code = code * 10 + std::uint32_t(peek() - '0');
                if (code > 0x10FFFF) fail(start, "Invalid character code");
                advance();
            }
            if (digits == 0) fail(start, "Invalid character code");
            // Codes up to 255 are bytes of the text; larger ones are Unicode characters.
            if (code < 0x100)
                t.text += char(code);
            else
                append_utf8(t.text, code);
        } else {
            return;
        }
    }
}

void LayoutLexer::read_binary(LayoutToken& t) {
    t.kind = LayoutToken::Binary;
    advance();  // {
    int high = -1;
    for (;;) {
        skip_blanks();
        if (at_end()) fail(t.at, "Unterminated binary value");
        if (peek() == '}') break;
        int d = hex_value(peek());
        if (d < 0) fail(here_, "Invalid hexadecimal digit");
        if (high < 0) {
            high = d;
        } else {
            t.bytes.push_back(std::uint8_t(high << 4 | d));
            high = -1;
        }
        advance();
    }
    if (high >= 0) fail(here_, "Odd number of hexadecimal digits");
    advance();  // }
}

}  // namespace korvane
