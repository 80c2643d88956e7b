#pragma once
// Draws one line of code page 936 text with the dot-matrix fonts.

#include <string_view>

#include "convert/font_tables.h"
#include "convert/page_image.h"

namespace korvane {

// Draws `text` with the top-left corner of its first cell at (x, y). Two
// bytes of 0x80 or above draw one 16x16 HZK16 cell; every other byte draws
// its 8x16 ASC16 cell. Every byte advances the pen by 8 pixels. Pairs whose
// cell lies beyond the HZK16 table draw nothing. Only ink is drawn; pixels
// outside the page are skipped.
void PaintTextLine(const FontTables& fonts, std::string_view text, int x, PageImage& page, int y);

// The HZK16 cell of a pair: zone and position wrap into 0..127, so bytes
// 0x80-0xA0 give cells beyond their own zone (or beyond the table).
constexpr int hzk16_cell(unsigned char lead, unsigned char trail) {
    return ((lead - 0xA1) & 0x7F) * 94 + ((trail - 0xA1) & 0x7F);
}

}  // namespace korvane
