#pragma once
// The conversion itself: text bytes to a page image, and a text file to a BMP file.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "convert/font_tables.h"
#include "convert/line_reader.h"
#include "convert/page_image.h"

namespace korvane {

// The page layout: every byte is 8 pixels wide, every line 20 pixels high
// (16 of glyph, 4 of gap), with a margin of 30 pixels all round.
inline constexpr int kPageMargin = 30;
inline constexpr int kCellWidth = 8;
inline constexpr int kLinePitch = 20;

// The page for `lines` lines of at most `longest` bytes.
PageSize page_size_for(std::uint64_t longest, std::uint64_t lines);

// Told the percentage done after a line is drawn; only when it changes, and
// never for a page of one line.
using ProgressCallback = std::function<void(int percent)>;

// line * 100 / (count - 1), rounded to the nearest integer, halves to even
// (100 when there are fewer than two lines).
int progress_percent(std::size_t line, std::size_t count);

// Sizes the page once to the longest line and the number of lines, then
// draws line k at (30, k * 20 + 30).
PageImage render_text_page(const TextLines& lines, const FontTables& fonts,
                           const ProgressCallback& progress = {});

// Reads the source, draws it and saves the page as a BMP at target. The page
// is returned for previewing. Errors carry the texts the user is shown.
PageImage convert_text_file(const std::string& source, const std::string& target,
                            const FontTables& fonts, const ProgressCallback& progress = {});

}  // namespace korvane
