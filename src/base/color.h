#pragma once
// Two colour encodings meet in this system:
//  - Color: a framework colour value, 0x00BBGGRR (red in the low byte), or
//    0xFF000000 + index for a system colour that is resolved when drawn.
//  - Pixel: a 32-bit pixel as it lies in a top-down DIB section, bytes B, G,
//    R, X in memory, that is 0xXXRRGGBB as an integer. The top byte carries
//    no colour; compare pixels with rgb_of().

#include <cstdint>

namespace korvane {

using Color = std::uint32_t;
using Pixel = std::uint32_t;

constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Color(r) | Color(g) << 8 | Color(b) << 16;
}
constexpr std::uint8_t red_of(Color c) { return std::uint8_t(c); }
constexpr std::uint8_t green_of(Color c) { return std::uint8_t(c >> 8); }
constexpr std::uint8_t blue_of(Color c) { return std::uint8_t(c >> 16); }

constexpr Color kSystemColorFlag = 0xFF000000u;
constexpr bool is_system_color(Color c) { return (c & 0xFF000000u) == kSystemColorFlag; }
constexpr Color system_color(int index) { return kSystemColorFlag + Color(index); }

constexpr Pixel pixel_rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return 0xFF000000u | Pixel(r) << 16 | Pixel(g) << 8 | Pixel(b);
}
// The colour part of a pixel, 0x00RRGGBB.
constexpr std::uint32_t rgb_of(Pixel p) { return p & 0x00FFFFFFu; }
constexpr Pixel to_pixel(Color c) { return pixel_rgb(red_of(c), green_of(c), blue_of(c)); }
constexpr Color to_color(Pixel p) {
    return rgb(std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p));
}

// Magenta marks transparent pixels in every skin bitmap.
constexpr Color kKeyColor = rgb(255, 0, 255);
constexpr std::uint32_t kKeyRgb = 0x00FF00FFu;
constexpr bool is_key(Pixel p) { return rgb_of(p) == kKeyRgb; }

}  // namespace korvane
