#include "framework/win/bitmap.h"

#include <cstring>
#include <vector>

#include "base/error.h"

namespace korvane {

TBitmap::TBitmap() {
    canvas_.SetHandle(dc_.get());
    canvas_.Font().SetColor(clWindowText);
}

void TBitmap::Replace(HBITMAP bitmap, int width, int height, Pixel* bits, bool monochrome) {
    // The canvas lets go of its objects while the bitmap changes under it.
    canvas_.SetHandle(nullptr);
    HGDIOBJ previous = SelectObject(dc_.get(), bitmap ? bitmap : stock_bitmap_);
    if (!stock_bitmap_) stock_bitmap_ = previous;
    bitmap_.reset(bitmap);
    width_ = bitmap ? width : 0;
    height_ = bitmap ? height : 0;
    bits_ = bits;
    monochrome_ = monochrome && bitmap;
    canvas_.SetHandle(dc_.get());
}

void TBitmap::SetSize(int width, int height) {
    if (width <= 0 || height <= 0) {
        Replace(nullptr, 0, 0, nullptr, false);
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section) throw Error("Out of system resources");
    std::memset(bits, 0xFF, std::size_t(width) * std::size_t(height) * 4);
    Replace(section, width, height, static_cast<Pixel*>(bits), false);
}

void TBitmap::SetMonochrome(int width, int height, std::span<const std::uint8_t> rows, std::size_t stride,
                            RowOrder order) {
    if (width <= 0 || height <= 0) {
        Replace(nullptr, 0, 0, nullptr, false);
        return;
    }
    const std::size_t row_bytes = (std::size_t(width) + 7) / 8;
    if (stride < row_bytes || rows.size() < stride * std::size_t(height - 1) + row_bytes)
        throw Error("Monochrome bitmap data is shorter than its size");
    // CreateBitmap wants rows top first, padded to 16 bits.
    const std::size_t padded = (row_bytes + 1) & ~std::size_t(1);
    std::vector<std::uint8_t> words(padded * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        const int source_row = order == RowOrder::top_down ? y : height - 1 - y;
        std::memcpy(&words[std::size_t(y) * padded], &rows[std::size_t(source_row) * stride], row_bytes);
    }
    HBITMAP mono = CreateBitmap(width, height, 1, 1, words.data());
    if (!mono) throw Error("Out of system resources");
    Replace(mono, width, height, nullptr, true);
}

void TBitmap::SetImage(ImageView image) {
    SetSize(image.width(), image.height());
    MutableImageView target = MutableView();
    for (int y = 0; y < target.height(); ++y)
        std::memcpy(target.row(y), image.row(y), std::size_t(target.width()) * sizeof(Pixel));
}

void TBitmap::Assign(const TPersistent* source) {
    auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (!bitmap) return TPersistent::Assign(source);
    const TBitmap& other = *bitmap;
    if (&other == this) return;
    if (other.Empty()) {
        SetSize(0, 0);
    } else if (other.Monochrome()) {
        HBITMAP copy = static_cast<HBITMAP>(
            CopyImage(other.Handle(), IMAGE_BITMAP, 0, 0, LR_MONOCHROME));
        if (!copy) throw Error("Out of system resources");
        Replace(copy, other.Width(), other.Height(), nullptr, true);
    } else {
        SetImage(other.View());
    }
}

ImageView TBitmap::View() const {
    if (!bits_) return {};
    GdiFlush();
    return {bits_, width_, height_, width_};
}

MutableImageView TBitmap::MutableView() {
    if (!bits_) return {};
    GdiFlush();
    return {bits_, width_, height_, width_};
}

}  // namespace korvane
