#include "convert/bmp_writer.h"

#include "base/file_io.h"

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

std::array<std::uint8_t, kBmpHeaderSize> bmp_header(const PageImage& page) {
    // PageImage guarantees that the whole file size fits in 31 bits.
    auto image_size = std::uint32_t(page.bmp_rows().size());
    std::array<std::uint8_t, kBmpHeaderSize> h{};
    h[0] = 'B';
    h[1] = 'M';
    put_u32(&h[2], std::uint32_t(kBmpHeaderSize) + image_size);
    put_u32(&h[10], std::uint32_t(kBmpHeaderSize));
    put_u32(&h[14], 40);
    put_u32(&h[18], std::uint32_t(page.width()));
    put_u32(&h[22], std::uint32_t(page.height()));
    put_u16(&h[26], 1);   // planes
    put_u16(&h[28], 1);   // bits per pixel
    put_u32(&h[34], image_size);
    put_u32(&h[46], 2);   // colours used
    // Colour 0 black (zeros already), colour 1 white.
    h[58] = h[59] = h[60] = 0xFF;
    return h;
}

void save_bmp(const PageImage& page, const std::string& path) {
    auto header = bmp_header(page);
    ReplacingFile file(path);
    file.write(header);
    file.write(page.bmp_rows());
    file.commit();
}

}  // namespace korvane
