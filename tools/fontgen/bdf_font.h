#pragma once
// The glyphs of a 16-pixel-high bitmap font in BDF, as written by pcf2bdf.

#include <array>
#include <cstdint>
#include <istream>
#include <map>

namespace korvane::fontgen {

struct Glyph {
    int advance = 0;                     // 8 or 16 for Unifont
    std::array<std::uint16_t, 16> rows{};  // top row first; bit 15 = leftmost pixel
};

// Glyphs by Unicode code point. Each is placed in a 16-row cell whose top is
// the font's ascent above the baseline. Throws korvane::Error on bad input.
std::map<char32_t, Glyph> read_bdf(std::istream& in);

}  // namespace korvane::fontgen
