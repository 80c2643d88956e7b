#pragma once
// A bitmap with a canvas: either a 32-bit top-down DIB section whose pixels
// can be reached as an ImageView, or a monochrome bitmap (1 = paper,
// 0 = ink) that takes its colours from the canvas it is drawn on.

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "base/image.h"
#include "framework/core/persistent.h"
#include "framework/win/canvas.h"
#include "framework/win/gdi.h"

namespace korvane {

// In a stored layout a 32-bit bitmap is its BMP file, the binary property "Data".
class TBitmap : public TPersistent {
public:
    static constexpr std::string_view kClassName = "TBitmap";
    TBitmap();
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    bool Monochrome() const { return monochrome_; }

    // A white 32-bit bitmap of this size (an empty one for sizes <= 0).
    void SetSize(int width, int height);
    // A monochrome bitmap from packed rows (most significant bit leftmost,
    // each row `stride` bytes long), top row first or, as in a BMP file,
    // bottom row first.
    enum class RowOrder { top_down, bottom_up };
    void SetMonochrome(int width, int height, std::span<const std::uint8_t> rows, std::size_t stride,
                       RowOrder order = RowOrder::top_down);
    // A 32-bit copy of an image.
    void SetImage(ImageView image);
    // A copy of another bitmap (32-bit or monochrome).
    void Assign(const TPersistent* source) override;

    // 32-bit bitmaps only (empty views for monochrome ones). GDI drawing is
    // flushed first, so the view shows everything drawn through the canvas.
    ImageView View() const;
    MutableImageView MutableView();

    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;

    TCanvas& Canvas() const { return canvas_; }
    HBITMAP Handle() const { return bitmap_.get(); }

private:
    void Replace(HBITMAP bitmap, int width, int height, Pixel* bits, bool monochrome);

    MemoryDC dc_;
    UniqueGdi<HBITMAP> bitmap_;
    HGDIOBJ stock_bitmap_ = nullptr;
    mutable TCanvas canvas_;
    Pixel* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool monochrome_ = false;
};

}  // namespace korvane
