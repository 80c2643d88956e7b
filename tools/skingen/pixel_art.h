#pragma once
// Small pixel-art toolkit for drawing skin bitmaps by code: solid fills,
// lines, vertical ramps, rounded boxes whose cut-away corners are the key
// colour, glyphs stamped from character patterns, and whole-image mirrors and
// turns for deriving one piece of art from another.

#include <functional>
#include <span>
#include <string_view>

#include "base/color.h"
#include "base/geometry.h"
#include "base/image.h"

namespace korvane::skingen {

constexpr Pixel kKey = pixel_rgb(255, 0, 255);

// a + (b - a) * num / den, per channel, rounded to nearest.
Pixel mix(Pixel a, Pixel b, int num, int den);
// Step i of n (0-based) of a ramp from a to b; n == 1 gives a.
Pixel ramp(Pixel a, Pixel b, int i, int n);

void fill(MutableImageView v, const Rect& r, Pixel p);
void hline(MutableImageView v, int x0, int x1, int y, Pixel p);  // x1 exclusive
void vline(MutableImageView v, int x, int y0, int y1, Pixel p);  // y1 exclusive
void outline(MutableImageView v, const Rect& r, Pixel p);
// Every row of r in one colour, running from top to bottom.
void vertical_ramp(MutableImageView v, const Rect& r, Pixel top, Pixel bottom);

// Radii of the four corners of a box (0 = square corner).
struct Corners {
    int top_left = 0;
    int top_right = 0;
    int bottom_right = 0;
    int bottom_left = 0;
    static constexpr Corners all(int r) { return {r, r, r, r}; }
    static constexpr Corners top(int r) { return {r, r, 0, 0}; }
    // The corners of the same box shrunk by n on every side.
    constexpr Corners inset(int n) const {
        auto less = [n](int r) { return r > n ? r - n : 0; };
        return {less(top_left), less(top_right), less(bottom_right), less(bottom_left)};
    }
};

// Whether pixel (x, y) of a box of size w x h lies inside its rounded outline.
bool inside_rounded(int x, int y, int w, int h, const Corners& c);

// Paints a box into r: pixels outside the rounded corners become the key
// colour, pixels on the edge of the shape take edge(x, y), the others
// body(x, y); x and y are relative to r.
using PixelFn = std::function<Pixel(int x, int y)>;
void rounded_box(MutableImageView v, const Rect& r, const Corners& c, const PixelFn& edge,
                 const PixelFn& body);
// The same with one edge colour and a body ramp from top to bottom.
void rounded_box(MutableImageView v, const Rect& r, const Corners& c, Pixel edge, Pixel top,
                 Pixel bottom);

// A glyph drawn as rows of characters, kept in a constexpr array.
using Pattern = std::span<const std::string_view>;
Size pattern_size(Pattern rows);

// Paints only the edge pixels of the rounded box r, leaving the rest alone:
// with r shrunk by n and c.inset(n), the ring n pixels inside the edge.
void rounded_edge(MutableImageView v, const Rect& r, const Corners& c, Pixel p);

// Stamps a pattern at `at`: each character of a row is looked up in `ink`;
// characters it maps to nothing (the function returns false) are left alone.
using InkFn = std::function<bool(char, Pixel&)>;
void stamp(MutableImageView v, Point at, Pattern rows, const InkFn& ink);
// Single-ink form: '#' is drawn in p, everything else is skipped.
void stamp(MutableImageView v, Point at, Pattern rows, Pixel p);
// Stamps the pattern centred in r (halves rounded down).
void stamp_centred(MutableImageView v, const Rect& r, Pattern rows, Pixel p);

// A strip of equal cells side by side, each painted by paint(cell, index).
template <class Paint>
Image strip(int cell_width, int cell_height, int cells, Paint paint) {
    Image image(cell_width * cells, cell_height);
    for (int i = 0; i < cells; ++i)
        paint(image.mutable_view().sub(Rect::from_size(i * cell_width, 0, cell_width, cell_height)), i);
    return image;
}

void blit(MutableImageView dst, Point at, ImageView src);
Image mirrored(ImageView src);    // left and right exchanged
Image flipped(ImageView src);     // top and bottom exchanged
Image transposed(ImageView src);  // x and y exchanged

}  // namespace korvane::skingen
