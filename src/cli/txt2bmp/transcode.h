#pragma once
// Converting text of another encoding to code page 936 (GBK) bytes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace korvane::txt2bmp {

// Converts a text to GBK piece by piece, as it is read. A character without
// a GBK form becomes '?'; a byte order mark at the start is dropped.
class Transcoder {
public:
    // Throws UsageError for an encoding iconv does not know.
    explicit Transcoder(const std::string& encoding);
    ~Transcoder();
    Transcoder(const Transcoder&) = delete;
    Transcoder& operator=(const Transcoder&) = delete;

    // The GBK bytes of the next piece; `last` when the text ends with it. A
    // character cut by the end of a piece is finished by the next. Throws
    // Error when the text is not valid in the encoding.
    std::string convert(std::string_view piece, bool last);
    // Characters without a GBK form so far.
    std::size_t replaced() const { return replaced_; }

private:
    struct Converters;
    std::unique_ptr<Converters> converters_;
    std::string encoding_;
    std::string held_;          // the start of a character cut by the end of the last piece
    std::uint64_t offset_ = 0;  // where held_ (or the next piece) starts in the text
    bool started_ = false;      // a byte order mark counts only first
    std::size_t replaced_ = 0;
};

struct Transcoded {
    std::string bytes;
    std::size_t replaced = 0;  // characters without a GBK form, written as '?'
};

// A whole text at once. Throws UsageError for an encoding iconv does not
// know, and Error when the text is not valid in that encoding.
Transcoded to_cp936(std::string_view text, const std::string& encoding);

}  // namespace korvane::txt2bmp
