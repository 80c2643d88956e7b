#pragma once
// The 1-bit BMP file of a page: 14-byte file header, 40-byte info header,
// the colours black then white, and the page's rows, bottom row first.

#include <array>
#include <cstdint>
#include <string>

#include "convert/page_image.h"

namespace korvane {

std::array<std::uint8_t, kBmpHeaderSize> bmp_header(const PageImage& page);

// Writes the file in one piece: on failure ("Cannot create file ...",
// "Stream write error") an existing file at path is left as it was.
void save_bmp(const PageImage& page, const std::string& path);

}  // namespace korvane
