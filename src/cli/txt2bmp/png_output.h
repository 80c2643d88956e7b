#pragma once
// The page as a PNG file: 1-bit grayscale, 0 black and 1 white as in the
// BMP, written row by row from the top as the page is drawn.

#include "convert/bmp_writer.h"
#include "convert/font_tables.h"
#include "convert/line_reader.h"
#include "convert/page_layout.h"

namespace korvane::txt2bmp {

// Writes the PNG file of the page of `lines` to `out`. The page has the BMP
// file's bounds: a page too large for one is refused before anything is
// written. Failures of `out` are thrown as they come.
void write_text_png(const LineSpan& lines, const FontTables& fonts, const ByteSink& out,
                    const ProgressCallback& progress = {});

}  // namespace korvane::txt2bmp
