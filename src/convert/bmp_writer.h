#pragma once
// The 1-bit BMP file of a page: 14-byte file header, 40-byte info header,
// the colours black then white, and the page's rows, bottom row first.

#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "convert/font_tables.h"
#include "convert/line_reader.h"
#include "convert/page_image.h"
#include "convert/page_layout.h"

namespace korvane {

// The header for a page of `size`, which check_page_size() accepts.
std::array<std::uint8_t, kBmpHeaderSize> bmp_header(PageSize size);
inline std::array<std::uint8_t, kBmpHeaderSize> bmp_header(const PageImage& page) {
    return bmp_header(PageSize{std::uint64_t(page.width()), std::uint64_t(page.height())});
}

// Takes the bytes of a file in order; throws when they cannot be written.
using ByteSink = std::function<void(std::span<const std::uint8_t> bytes)>;

// Writes the BMP file of the page of `lines` to `out` as it is drawn, a
// strip of rows at a time. A page too large is refused before anything is
// written.
void write_text_bmp(const LineSpan& lines, const FontTables& fonts, const ByteSink& out,
                    const ProgressCallback& progress = {});

}  // namespace korvane
