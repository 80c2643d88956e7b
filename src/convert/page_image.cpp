#include "convert/page_image.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "base/error.h"
#include "base/strings.h"

namespace korvane {
namespace {

constexpr std::uint64_t kUnbounded = std::numeric_limits<std::uint64_t>::max();

std::uint64_t margin_plus(std::uint64_t count, std::uint64_t pitch) {
    return count > (kUnbounded - 60) / pitch ? kUnbounded : count * pitch + 60;
}

std::uint64_t row_stride(std::uint64_t width) { return (width + 31) / 32 * 4; }

}  // namespace

std::uint64_t bmp_file_size(PageSize size) {
    if (size.width > kUnbounded - 31) return kUnbounded;
    std::uint64_t stride = row_stride(size.width);
    if (size.height != 0 && stride > (kUnbounded - kBmpHeaderSize) / size.height) return kUnbounded;
    return kBmpHeaderSize + stride * size.height;
}

PageSize page_size_for(std::uint64_t longest, std::uint64_t lines) {
    return {margin_plus(longest, 8), margin_plus(lines, 20)};
}

PageImage::PageImage(PageSize size) {
    // Width and height are signed 32-bit fields of the BMP header as well.
    if (size.width > kMaxBmpFileSize || size.height > kMaxBmpFileSize ||
        bmp_file_size(size) > kMaxBmpFileSize)
        throw Error(format("The page of %llu x %llu pixels is too large for a BMP file",
                           static_cast<unsigned long long>(size.width),
                           static_cast<unsigned long long>(size.height)));
    width_ = int(size.width);
    height_ = int(size.height);
    stride_ = std::size_t(row_stride(size.width));
    bits_.reset(new (std::nothrow) std::uint8_t[stride_ * std::size_t(height_)]);
    if (!bits_) throw Error("Out of system resources");

    if (height_ == 0) return;
    // Every row is white up to the last pixel; the bits after it are zero.
    std::uint8_t* first = bits_.get();
    std::size_t full = std::size_t(width_) / 8;
    std::memset(first, 0xFF, full);
    std::memset(first + full, 0, stride_ - full);
    if (int partial = width_ % 8) first[full] = std::uint8_t(0xFF00 >> partial);
    for (int y = 1; y < height_; ++y) std::memcpy(first + std::size_t(y) * stride_, first, stride_);
}

void PageImage::ink_run(std::int64_t x, int y, std::uint32_t bits) {
    if (y < 0 || y >= height_ || x >= width_ || x <= -32) return;
    if (x < 0) {
        bits <<= -x;
        x = 0;
    }
    std::int64_t room = width_ - x;
    if (room < 32) bits &= ~0u << (32 - room);
    if (!bits) return;

    std::uint8_t* at = row(y) + x / 8;
    std::uint64_t spread = std::uint64_t(bits) << 32 >> (x % 8);  // 40 bits from bit 63 down
    for (int i = 0; i < 5; ++i)
        if (auto ink = std::uint8_t(spread >> (56 - 8 * i))) at[i] &= std::uint8_t(~ink);
}

bool PageImage::is_ink(int x, int y) const {
    if (x < 0 || x >= width_ || y < 0 || y >= height_) return false;
    return !(row(y)[x / 8] & (0x80 >> (x % 8)));
}

}  // namespace korvane
