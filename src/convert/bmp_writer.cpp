#include "convert/bmp_writer.h"

#include "convert/page_strips.h"

namespace korvane {
namespace {

void put_u16(std::uint8_t* at, std::uint32_t v) {
    at[0] = std::uint8_t(v);
    at[1] = std::uint8_t(v >> 8);
}
void put_u32(std::uint8_t* at, std::uint32_t v) {
    put_u16(at, v);
    put_u16(at + 2, v >> 16);
}

}  // namespace

std::array<std::uint8_t, kBmpHeaderSize> bmp_header(PageSize size) {
    // The whole file size fits in 31 bits.
    auto image_size = std::uint32_t(bmp_file_size(size) - kBmpHeaderSize);
    std::array<std::uint8_t, kBmpHeaderSize> h{};
    h[0] = 'B';
    h[1] = 'M';
    put_u32(&h[2], std::uint32_t(kBmpHeaderSize) + image_size);
    put_u32(&h[10], std::uint32_t(kBmpHeaderSize));
    put_u32(&h[14], 40);
    put_u32(&h[18], std::uint32_t(size.width));
    put_u32(&h[22], std::uint32_t(size.height));
    put_u16(&h[26], 1);   // planes
    put_u16(&h[28], 1);   // bits per pixel
    put_u32(&h[34], image_size);
    put_u32(&h[46], 2);   // colours used
    // Colour 0 black (zeros already), colour 1 white.
    h[58] = h[59] = h[60] = 0xFF;
    return h;
}

void write_text_bmp(const LineSpan& lines, const FontTables& fonts, const ByteSink& out,
                    const ProgressCallback& progress) {
    PageSize size = page_size_for(lines.longest(), lines.count());
    check_page_size(size);
    out(bmp_header(size));
    render_text_strips(
        lines, fonts, RowOrder::bottom_up,
        [&](const PageImage& strip, int count) {
            // The strip's top rows, stored bottom row first, end its memory.
            out(strip.bmp_rows().last(strip.stride() * std::size_t(count)));
        },
        progress);
}

}  // namespace korvane
