#pragma once
// Where the lines of a text lie on its page, and how far drawing has come.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "convert/page_image.h"

namespace korvane {

// The page layout: every byte is 8 pixels wide, every line 20 pixels high
// (16 of glyph, 4 of gap), with a margin of 30 pixels all round.
inline constexpr int kPageMargin = 30;
inline constexpr int kCellWidth = 8;
inline constexpr int kLinePitch = 20;
inline constexpr int kGlyphHeight = 16;

// The page for `lines` lines of at most `longest` bytes.
PageSize page_size_for(std::uint64_t longest, std::uint64_t lines);

// The top row of line k (0-based).
constexpr std::int64_t line_top(std::int64_t k) { return k * kLinePitch + kPageMargin; }

// Told the percentage done after a line is drawn; only when it changes, and
// never for a page of one line.
using ProgressCallback = std::function<void(int percent)>;

// line * 100 / (count - 1), rounded to the nearest integer, halves to even
// (100 when there are fewer than two lines).
int progress_percent(std::size_t line, std::size_t count);

}  // namespace korvane
