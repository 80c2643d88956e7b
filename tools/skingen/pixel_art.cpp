#include "pixel_art.h"

#include <algorithm>
#include <cstdint>

namespace korvane::skingen {

namespace {

std::uint8_t channel(Pixel p, int shift) { return std::uint8_t(p >> shift); }

std::uint8_t mix_channel(Pixel a, Pixel b, int shift, int num, int den) {
    const int ca = channel(a, shift);
    const int cb = channel(b, shift);
    const int d = (cb - ca) * num;
    return std::uint8_t(ca + (d >= 0 ? (d + den / 2) / den : -((-d + den / 2) / den)));
}

}  // namespace

Pixel mix(Pixel a, Pixel b, int num, int den) {
    return pixel_rgb(mix_channel(a, b, 16, num, den), mix_channel(a, b, 8, num, den),
                     mix_channel(a, b, 0, num, den));
}

Pixel ramp(Pixel a, Pixel b, int i, int n) { return n <= 1 ? a : mix(a, b, i, n - 1); }

void fill(MutableImageView v, const Rect& r, Pixel p) {
    const Rect c = r.intersected(v.bounds());
    for (int y = c.top; y < c.bottom; ++y)
        std::fill(v.row(y) + c.left, v.row(y) + c.right, p);
}

void hline(MutableImageView v, int x0, int x1, int y, Pixel p) { fill(v, {x0, y, x1, y + 1}, p); }

void vline(MutableImageView v, int x, int y0, int y1, Pixel p) { fill(v, {x, y0, x + 1, y1}, p); }

void outline(MutableImageView v, const Rect& r, Pixel p) {
    hline(v, r.left, r.right, r.top, p);
    hline(v, r.left, r.right, r.bottom - 1, p);
    vline(v, r.left, r.top, r.bottom, p);
    vline(v, r.right - 1, r.top, r.bottom, p);
}

void vertical_ramp(MutableImageView v, const Rect& r, Pixel top, Pixel bottom) {
    for (int y = r.top; y < r.bottom; ++y)
        hline(v, r.left, r.right, y, ramp(top, bottom, y - r.top, r.height()));
}

bool inside_rounded(int x, int y, int w, int h, const Corners& c) {
    if (x < 0 || y < 0 || x >= w || y >= h) return false;
    // Pixel centres against a quarter circle of radius r whose centre sits r
    // pixels in from both edges of the corner.
    auto within = [](int dx, int dy, int r) {
        if (r <= 0 || dx >= r || dy >= r) return true;
        const double fx = r - (dx + 0.5);
        const double fy = r - (dy + 0.5);
        return fx * fx + fy * fy <= double(r) * r;
    };
    return within(x, y, c.top_left) && within(w - 1 - x, y, c.top_right) &&
           within(w - 1 - x, h - 1 - y, c.bottom_right) && within(x, h - 1 - y, c.bottom_left);
}

void rounded_box(MutableImageView v, const Rect& r, const Corners& c, const PixelFn& edge,
                 const PixelFn& body) {
    const int w = r.width();
    const int h = r.height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int px = r.left + x;
            const int py = r.top + y;
            if (!v.bounds().contains({px, py})) continue;
            Pixel p = kKey;
            if (inside_rounded(x, y, w, h, c)) {
                const bool on_edge = !inside_rounded(x - 1, y, w, h, c) ||
                                     !inside_rounded(x + 1, y, w, h, c) ||
                                     !inside_rounded(x, y - 1, w, h, c) ||
                                     !inside_rounded(x, y + 1, w, h, c);
                p = on_edge ? edge(x, y) : body(x, y);
            }
            v.at(px, py) = p;
        }
    }
}

void rounded_box(MutableImageView v, const Rect& r, const Corners& c, Pixel edge, Pixel top,
                 Pixel bottom) {
    const int h = r.height();
    rounded_box(
        v, r, c, [edge](int, int) { return edge; },
        [=](int, int y) { return ramp(top, bottom, y, h); });
}

void rounded_edge(MutableImageView v, const Rect& r, const Corners& c, Pixel p) {
    const int w = r.width();
    const int h = r.height();
    auto in = [&](int x, int y) { return inside_rounded(x, y, w, h, c); };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (in(x, y) && (!in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1)) &&
                v.bounds().contains({r.left + x, r.top + y}))
                v.at(r.left + x, r.top + y) = p;
}

Size pattern_size(Pattern rows) {
    Size s{0, int(rows.size())};
    for (std::string_view row : rows) s.width = std::max(s.width, int(row.size()));
    return s;
}

void stamp(MutableImageView v, Point at, Pattern rows, const InkFn& ink) {
    int y = at.y;
    for (std::string_view row : rows) {
        for (int i = 0; i < int(row.size()); ++i) {
            Pixel p;
            if (ink(row[i], p) && v.bounds().contains({at.x + i, y})) v.at(at.x + i, y) = p;
        }
        ++y;
    }
}

void stamp(MutableImageView v, Point at, Pattern rows, Pixel p) {
    stamp(v, at, rows, [p](char c, Pixel& out) {
        out = p;
        return c == '#';
    });
}

void stamp_centred(MutableImageView v, const Rect& r, Pattern rows, Pixel p) {
    const Size s = pattern_size(rows);
    stamp(v, {r.left + (r.width() - s.width) / 2, r.top + (r.height() - s.height) / 2}, rows, p);
}

void blit(MutableImageView dst, Point at, ImageView src) {
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            if (dst.bounds().contains({at.x + x, at.y + y}))
                dst.at(at.x + x, at.y + y) = src.at(x, y);
}

Image mirrored(ImageView src) {
    Image out(src.width(), src.height());
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) out.at(src.width() - 1 - x, y) = src.at(x, y);
    return out;
}

Image flipped(ImageView src) {
    Image out(src.width(), src.height());
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) out.at(x, src.height() - 1 - y) = src.at(x, y);
    return out;
}

Image transposed(ImageView src) {
    Image out(src.height(), src.width());
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) out.at(y, x) = src.at(x, y);
    return out;
}

}  // namespace korvane::skingen
