#include "base/image.h"

#include <algorithm>

namespace korvane {

Image::Image(int width, int height, Pixel fill) {
    if (width <= 0 || height <= 0) return;
    width_ = width;
    height_ = height;
    pixels_.assign(std::size_t(width) * std::size_t(height), fill);
}

Image Image::copy_of(ImageView source) {
    Image out(source.width(), source.height());
    for (int y = 0; y < out.height(); ++y)
        std::copy_n(source.row(y), out.width(), out.row(y));
    return out;
}

void Image::fill(Pixel p) { std::fill(pixels_.begin(), pixels_.end(), p); }

}  // namespace korvane
