#pragma once
// Small images written as text, one character per pixel, so that expected
// results can be drawn by hand in a test:
//   '.'  the pixel value 0 (black, as a fresh image holds),
//   'M'  magenta, the key colour,
//   any other character c  the grey RGB(c, c, c).

#include <cstdint>
#include <string>
#include <vector>

#include "base/image.h"

namespace korvane::testing {

using Picture = std::vector<std::string>;

inline Pixel pixel_of(char c) {
    if (c == '.') return 0;
    if (c == 'M') return kKeyRgb;
    const auto v = std::uint8_t(c);
    return Pixel(v) << 16 | Pixel(v) << 8 | v;
}

inline char char_of(Pixel p) {
    if (p == 0) return '.';
    if (rgb_of(p) == kKeyRgb) return 'M';
    const auto v = std::uint8_t(p);
    const bool grey = std::uint8_t(p >> 8) == v && std::uint8_t(p >> 16) == v;
    return grey && v > ' ' && v < 127 ? char(v) : '?';
}

inline Image image_of(const Picture& rows) {
    Image image(rows.empty() ? 0 : int(rows.front().size()), int(rows.size()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.at(x, y) = pixel_of(rows[y][x]);
    return image;
}

inline Picture picture_of(ImageView image) {
    Picture rows(std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) rows[y] += char_of(image.at(x, y));
    return rows;
}

inline Picture blank(int width, int height, char c = '.') {
    return Picture(std::size_t(height), std::string(std::size_t(width), c));
}

}  // namespace korvane::testing
