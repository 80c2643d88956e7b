#pragma once
// Windows bitmap files, in and out.
//
// decode_bmp reads 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed
// (BI_RGB), with colour masks (BI_BITFIELDS) and run-length coded (RLE4,
// RLE8), after the old core header or any of the info headers, stored
// bottom-up or top-down. Every pixel of the result is opaque (top byte 0xFF).
// A file that does not hold what its headers promise throws DecodeError;
// images above kMaxBmpPixels are refused before anything is allocated.
//
// encode_bmp writes 24-bit BI_RGB, bottom-up, with the 40-byte info header.

#include <cstdint>
#include <span>
#include <vector>

#include "base/image.h"

namespace korvane {

constexpr std::int64_t kMaxBmpPixels = std::int64_t(1) << 25;

Image decode_bmp(std::span<const std::uint8_t> file);
std::vector<std::uint8_t> encode_bmp(ImageView image);

}  // namespace korvane
