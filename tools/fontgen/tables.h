#pragma once
// The two dot-matrix tables built from Unicode glyphs: ASC16 in the IBM PC
// code page 437 layout and HZK16 in the GB2312 zone/position grid.

#include <cstdint>
#include <map>
#include <vector>

#include "bdf_font.h"

namespace korvane::fontgen {

inline constexpr std::size_t kAsc16Size = 256 * 16;
inline constexpr std::size_t kHzk16Cells = 8363;
inline constexpr std::size_t kHzk16Size = kHzk16Cells * 32;

// Code point of each CP437 cell; 0 for the blank cells 0 and 255.
extern const char32_t kCp437[256];

std::vector<std::uint8_t> build_asc16(const std::map<char32_t, Glyph>& font);
// Uses iconv for the GB2312 mapping; cells without a character are blank.
std::vector<std::uint8_t> build_hzk16(const std::map<char32_t, Glyph>& font);

}  // namespace korvane::fontgen
