#pragma once
// Drawing a text's page a strip of rows at a time, in the order a file keeps
// its rows, so that a page of any height is made in the memory of one strip.

#include <cstddef>
#include <functional>

#include "convert/font_tables.h"
#include "convert/line_reader.h"
#include "convert/page_image.h"
#include "convert/page_layout.h"

namespace korvane {

enum class RowOrder {
    bottom_up,  // as a BMP file stores them
    top_down,
};

// Told each finished strip: rows 0 .. count - 1 of `strip` (top to bottom)
// are the page's next `count` rows.
using StripSink = std::function<void(const PageImage& strip, int count)>;

// The bytes of a strip, or of one row when a row is longer.
inline constexpr std::size_t kStripBytes = 1 << 20;

// Draws the page of `lines` (page_size_for their longest line and count) and
// hands it to `sink` strip by strip, from the bottom row up or from the top
// row down. Line k is drawn at (30, k * 20 + 30), as on a whole page, and
// the progress is the same as drawing the lines first to last would give.
// Throws as check_page_size() before anything reaches the sink.
void render_text_strips(const LineSpan& lines, const FontTables& fonts, RowOrder order,
                        const StripSink& sink, const ProgressCallback& progress = {});

// The whole page at once (for showing it).
PageImage render_text_page(const LineSpan& lines, const FontTables& fonts,
                           const ProgressCallback& progress = {});

}  // namespace korvane
