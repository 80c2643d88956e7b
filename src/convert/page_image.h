#pragma once
// The one-bit page the text is drawn on: white paper, black ink. Its bits
// are kept exactly as the pixel rows of a 1-bit BMP file (bottom row first,
// rows padded to 4 bytes, bit 1 white, bit 0 black, pad bits zero), so
// saving writes them as they are.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "base/geometry.h"

namespace korvane {

// Page sizes in pixels. Computed sizes saturate at UINT64_MAX rather than
// overflow; PageImage refuses what no BMP file can hold.
struct PageSize {
    std::uint64_t width = 0;
    std::uint64_t height = 0;
    friend bool operator==(PageSize, PageSize) = default;
};

// The largest BMP file (and page side): its size field is a signed 32-bit number.
inline constexpr std::uint64_t kMaxBmpFileSize = 2147483647;
inline constexpr std::uint64_t kBmpHeaderSize = 62;

// The size of the BMP file of a page, saturating at UINT64_MAX.
std::uint64_t bmp_file_size(PageSize size);

// The bytes of one stored row: whole 32-bit words.
constexpr std::uint64_t row_stride(std::uint64_t width) { return (width + 31) / 32 * 4; }

// Throws Error naming the size when the page's BMP file would exceed
// kMaxBmpFileSize (or a side would not fit its signed 32-bit field).
void check_page_size(PageSize size);

class PageImage {
public:
    PageImage() = default;
    // A white page. Throws as check_page_size() does, and "Out of system
    // resources" when the memory cannot be had.
    explicit PageImage(PageSize size);

    // Makes every pixel white again.
    void whiten();
    // Makes the pixels of `area` (clipped to the page) white again, and the
    // few around it that share their bytes.
    void whiten(const Rect& area);

    int width() const { return width_; }
    int height() const { return height_; }
    std::size_t stride() const { return stride_; }

    // Inks the pixels (x + i, y) for each bit i of `bits` that is set, bit 31
    // first. Pixels outside the page are left alone.
    void ink_run(std::int64_t x, int y, std::uint32_t bits);

    // Inks a glyph of 16 rows, `row_bytes` (1 or 2) bytes a row, bit 7 of
    // each byte leftmost, with its top-left pixel at (x, y).
    void ink_glyph(std::int64_t x, int y, const std::uint8_t* rows, int row_bytes);

    bool is_ink(int x, int y) const;

    // The pixel rows as a BMP file stores them.
    std::span<const std::uint8_t> bmp_rows() const { return {bits_.get(), stride_ * std::size_t(height_)}; }
    // Row y (0 at the top) as stored, pad bytes included.
    std::span<const std::uint8_t> row_bytes(int y) const { return {row(y), stride_}; }

private:
    std::uint8_t* row(int y) const { return bits_.get() + std::size_t(height_ - 1 - y) * stride_; }

    int width_ = 0;
    int height_ = 0;
    std::size_t stride_ = 0;
    struct FreeBits {
        void operator()(std::uint8_t* bits) const;
    };
    using Bits = std::unique_ptr<std::uint8_t[], FreeBits>;
    static Bits allocate_page_bits(std::size_t bytes);

    Bits bits_;
};

}  // namespace korvane
