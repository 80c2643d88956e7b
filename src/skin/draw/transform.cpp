#include "skin/draw/transform.h"

#include <algorithm>

namespace korvane {
namespace {

// Builds the turned image from `destination_of`, which maps a source pixel
// position to its place in the turned image.
template <class DestinationOf>
void turn(Image& image, DestinationOf destination_of) {
    Image turned(image.height(), image.width());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Point to = destination_of(x, y);
            turned.at(to.x, to.y) = image.at(x, y);
        }
    image = std::move(turned);
}

}  // namespace

void FlipVertical(MutableImageView image) {
    for (int top = 0, bottom = image.height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(image.row(top), image.row(top) + image.width(), image.row(bottom));
}

void RotateLeft(Image& image) {
    const int width = image.width();
    turn(image, [width](int x, int y) { return Point{y, width - 1 - x}; });
}

void RotateRight(Image& image) {
    const int height = image.height();
    turn(image, [height](int x, int y) { return Point{height - 1 - y, x}; });
}

}  // namespace korvane
