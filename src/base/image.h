#pragma once
// Image owns 32-bit pixels (see color.h); views look at pixels owned by
// someone else (an Image, a DIB section) with a row stride. A function that
// only reads takes an ImageView, one that writes a MutableImageView.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/color.h"
#include "base/geometry.h"

namespace korvane {

template <class P>
class BasicImageView {
public:
    constexpr BasicImageView() = default;
    // stride: distance between rows, in pixels (may exceed width).
    constexpr BasicImageView(P* pixels, int width, int height, std::ptrdiff_t stride)
        : pixels_(pixels), width_(width), height_(height), stride_(stride) {}
    template <class Q>
    constexpr BasicImageView(const BasicImageView<Q>& other)  // mutable -> const
        : pixels_(other.data()), width_(other.width()), height_(other.height()),
          stride_(other.stride()) {}

    constexpr int width() const { return width_; }
    constexpr int height() const { return height_; }
    constexpr Size size() const { return {width_, height_}; }
    constexpr Rect bounds() const { return {0, 0, width_, height_}; }
    constexpr std::ptrdiff_t stride() const { return stride_; }
    constexpr bool empty() const { return width_ <= 0 || height_ <= 0; }
    constexpr P* data() const { return pixels_; }

    P* row(int y) const { return pixels_ + y * stride_; }
    P& at(int x, int y) const { return pixels_[y * stride_ + x]; }

    // The part of this view inside r (clipped to the view's bounds).
    BasicImageView sub(const Rect& r) const {
        Rect c = r.intersected(bounds());
        if (c.is_empty()) return BasicImageView(pixels_, 0, 0, stride_);
        return BasicImageView(pixels_ + c.top * stride_ + c.left, c.width(), c.height(), stride_);
    }

private:
    P* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::ptrdiff_t stride_ = 0;
};

using ImageView = BasicImageView<const Pixel>;
using MutableImageView = BasicImageView<Pixel>;

class Image {
public:
    Image() = default;
    // Negative sizes give an empty image.
    Image(int width, int height, Pixel fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    Size size() const { return {width_, height_}; }
    Rect bounds() const { return {0, 0, width_, height_}; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }

    Pixel& at(int x, int y) { return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }
    Pixel at(int x, int y) const { return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }
    Pixel* row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    const Pixel* row(int y) const { return pixels_.data() + std::size_t(y) * std::size_t(width_); }

    ImageView view() const { return {pixels_.data(), width_, height_, width_}; }
    MutableImageView mutable_view() { return {pixels_.data(), width_, height_, width_}; }
    operator ImageView() const { return view(); }

    // An owning copy of the pixels a view shows.
    static Image copy_of(ImageView source);

    void fill(Pixel p);
    friend bool operator==(const Image&, const Image&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace korvane
