#include "convert/page_image.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

#ifdef __linux__
#include <sys/mman.h>
#endif

#include "base/error.h"
#include "base/strings.h"

namespace korvane {
namespace {

constexpr int kGlyphRows = 16;
constexpr std::uint64_t kUnbounded = std::numeric_limits<std::uint64_t>::max();

}  // namespace

void PageImage::FreeBits::operator()(std::uint8_t* bits) const { std::free(bits); }

// Large pages are asked for in huge memory pages where the system has them:
// touching every byte of a page of hundreds of megabytes once costs a fault
// per 4 KB otherwise.
PageImage::Bits PageImage::allocate_page_bits(std::size_t bytes) {
    void* bits = nullptr;
#ifdef __linux__
    constexpr std::size_t kHugePage = 2 << 20;
    if (bytes >= 2 * kHugePage) {
        std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        bits = std::aligned_alloc(kHugePage, rounded);
        if (bits) ::madvise(bits, rounded, MADV_HUGEPAGE);
    }
#endif
    if (!bits) bits = std::malloc(bytes ? bytes : 1);
    if (!bits) throw Error(kOutOfMemory);
    return Bits(static_cast<std::uint8_t*>(bits));
}

std::uint64_t bmp_file_size(PageSize size) {
    if (size.width > kUnbounded - 31) return kUnbounded;
    std::uint64_t stride = row_stride(size.width);
    if (size.height != 0 && stride > (kUnbounded - kBmpHeaderSize) / size.height) return kUnbounded;
    return kBmpHeaderSize + stride * size.height;
}

void check_page_size(PageSize size) {
    // Width and height are signed 32-bit fields of the BMP header as well.
    if (size.width > kMaxBmpFileSize || size.height > kMaxBmpFileSize ||
        bmp_file_size(size) > kMaxBmpFileSize)
        throw Error(format("The page of %llu x %llu pixels is too large for a BMP file",
                           static_cast<unsigned long long>(size.width),
                           static_cast<unsigned long long>(size.height)));
}

PageImage::PageImage(PageSize size) {
    check_page_size(size);
    width_ = int(size.width);
    height_ = int(size.height);
    stride_ = std::size_t(row_stride(size.width));
    bits_ = allocate_page_bits(stride_ * std::size_t(height_));
    whiten();
}

void PageImage::whiten() {
    if (height_ == 0) return;
    // Every row is white up to the last pixel; the bits after it are zero.
    std::uint8_t* first = bits_.get();
    std::size_t full = std::size_t(width_) / 8;
    std::memset(first, 0xFF, full);
    std::memset(first + full, 0, stride_ - full);
    if (int partial = width_ % 8) first[full] = std::uint8_t(0xFF00 >> partial);
    for (int y = 1; y < height_; ++y) std::memcpy(first + std::size_t(y) * stride_, first, stride_);
}

void PageImage::whiten(const Rect& area) {
    int top = std::max(area.top, 0), bottom = std::min(area.bottom, height_);
    int left = std::max(area.left, 0), right = std::min(area.right, width_);
    if (top >= bottom || left >= right) return;
    // Bytes up to `full` hold eight pixels; the one after holds the last few
    // and the zero pad bits.
    const std::size_t full = std::size_t(width_) / 8, first = std::size_t(left) / 8,
                      end = (std::size_t(right) + 7) / 8;
    const std::size_t whole_end = std::min(end, full);
    const int partial = width_ % 8;
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* at = row(y);
        if (first < whole_end) std::memset(at + first, 0xFF, whole_end - first);
        if (partial && end > full) at[full] = std::uint8_t(0xFF00 >> partial);
    }
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

void PageImage::ink_glyph(std::int64_t x, int y, const std::uint8_t* rows, int row_bytes) {
    auto bits_of = [&](int r) {
        std::uint32_t bits = std::uint32_t(rows[r * row_bytes]) << 24;
        if (row_bytes == 2) bits |= std::uint32_t(rows[r * row_bytes + 1]) << 16;
        return bits;
    };
    if (x < 0 || x + 8 * row_bytes > width_ || y < 0 || y + kGlyphRows > height_) {
        for (int r = 0; r < kGlyphRows; ++r) ink_run(x, y + r, bits_of(r));
        return;
    }
    // Wholly inside: the glyph's rows land on 2 or 3 bytes of each page row,
    // rows going down the page are going back in memory.
    std::uint8_t* at = row(y) + x / 8;
    int shift = int(x % 8);
    int span = (shift + 8 * row_bytes + 7) / 8;  // bytes touched, all inside the row
    for (int r = 0; r < kGlyphRows; ++r, at -= stride_) {
        std::uint32_t ink = bits_of(r) >> shift;
        if (!ink) continue;
        at[0] &= std::uint8_t(~(ink >> 24));
        if (span > 1) at[1] &= std::uint8_t(~(ink >> 16));
        if (span > 2) at[2] &= std::uint8_t(~(ink >> 8));
    }
}

bool PageImage::is_ink(int x, int y) const {
    if (x < 0 || x >= width_ || y < 0 || y >= height_) return false;
    return !(row(y)[x / 8] & (0x80 >> (x % 8)));
}

}  // namespace korvane
