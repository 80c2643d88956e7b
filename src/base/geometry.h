#pragma once
// Points and rectangles in pixels. A Rect's right and bottom edges are
// exclusive, as in Win32: {0, 0, 2, 2} covers four pixels.

#include <algorithm>

namespace korvane {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(Size, Size) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect from_size(int x, int y, int width, int height) {
        return {x, y, x + width, y + height};
    }

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr Size size() const { return {width(), height()}; }
    // Empty also when inverted: nothing is drawn into such a rectangle.
    constexpr bool is_empty() const { return right <= left || bottom <= top; }
    constexpr Point top_left() const { return {left, top}; }

    constexpr bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr Rect translated(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    constexpr Rect shrunken(int n) const { return {left + n, top + n, right - n, bottom - n}; }
    constexpr Rect shrunken(int l, int t, int r, int b) const {
        return {left + l, top + t, right - r, bottom - b};
    }
    // The common part; an empty result keeps left <= right and top <= bottom.
    constexpr Rect intersected(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
               std::min(bottom, o.bottom)};
        if (r.right < r.left) r.right = r.left;
        if (r.bottom < r.top) r.bottom = r.top;
        return r;
    }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace korvane
