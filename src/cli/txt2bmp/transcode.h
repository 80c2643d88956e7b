#pragma once
// Converting text of another encoding to code page 936 (GBK) bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane::txt2bmp {

struct Transcoded {
    std::string bytes;
    std::size_t replaced = 0;  // characters without a GBK form, written as '?'
};

// Throws UsageError for an encoding iconv does not know, and Error when the
// text is not valid in that encoding.
Transcoded to_cp936(std::string_view text, const std::string& encoding);

}  // namespace korvane::txt2bmp
