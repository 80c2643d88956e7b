#pragma once
// Windows bitmap files, in and out.
//
// decode_bmp reads 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed
// (BI_RGB), with colour masks (BI_BITFIELDS) and run-length coded (RLE4,
// RLE8), after the old core header or any of the info headers, stored
// bottom-up or top-down. Every pixel of the result is opaque (top byte 0xFF).
// A file that does not hold what its headers promise throws DecodeError.
// Before the image is allocated, a file is refused when the image is larger
// than max_pixels, when its uncompressed rows need more bytes than the file
// holds, or when its run-length code runs past the end of the file. (How
// large a run-length coded image may be is not decided by its code: the
// end-of-line, delta and end-of-bitmap codes leave the pixels they skip at
// palette colour 0.)
//
// encode_bmp writes 24-bit BI_RGB, bottom-up, with the 40-byte info header.

#include <cstdint>
#include <span>
#include <vector>

#include "base/image.h"

namespace korvane {

constexpr std::int64_t kMaxBmpPixels = std::int64_t(1) << 25;

Image decode_bmp(std::span<const std::uint8_t> file, std::int64_t max_pixels = kMaxBmpPixels);
std::vector<std::uint8_t> encode_bmp(ImageView image);

}  // namespace korvane
