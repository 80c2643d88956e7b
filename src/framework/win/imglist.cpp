#include "framework/win/imglist.h"

#include "base/bmp.h"
#include "base/error.h"
#include "framework/core/colors.h"
#include "framework/core/properties.h"

namespace korvane {

namespace {

// The disabled look: each pixel's brightness mapped into the light greys,
// transparent pixels kept.
Image greyed(ImageView cell) {
    Image out = Image::copy_of(cell);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            Pixel p = out.at(x, y);
            if (is_key(p)) continue;
            unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            unsigned level = 128 + (r * 30 + g * 59 + b * 11) / 100 * 96 / 255;
            out.at(x, y) = pixel_rgb(level, level, level);
        }
    return out;
}

}  // namespace

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() {
    if (handle_) ImageList_Destroy(handle_);
}

const PropertyTable& TImageList::Properties() const {
    static const PropertyTable table = PropertyBuilder<TImageList>(TComponent::Properties())
                                           .integer("Height", &TImageList::Height, &TImageList::SetHeight, 16)
                                           .integer("Width", &TImageList::Width, &TImageList::SetWidth, 16)
                                           .binary("Bitmap", &TImageList::WriteStrip, &TImageList::ReadStrip)
                                           .build();
    return table;
}

void TImageList::SetWidth(int width) {
    if (width == width_) return;
    if (width <= 0) throw Error("Invalid image size");
    width_ = width;
    Clear();
}

void TImageList::SetHeight(int height) {
    if (height == height_) return;
    if (height <= 0) throw Error("Invalid image size");
    height_ = height;
    Clear();
}

int TImageList::Add(ImageView images) {
    if (images.width() <= 0 || images.width() % width_ != 0 || images.height() != height_)
        throw Error("Invalid image size");
    int first = Count();
    Image joined(strip_.width() + images.width(), height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < strip_.width(); ++x) joined.at(x, y) = strip_.at(x, y);
        for (int x = 0; x < images.width(); ++x) joined.at(strip_.width() + x, y) = images.at(x, y);
    }
    strip_ = std::move(joined);
    Changed();
    return first;
}

void TImageList::Clear() {
    strip_ = Image();
    Changed();
}

void TImageList::Changed() {
    if (handle_) ImageList_Destroy(std::exchange(handle_, nullptr));
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    ImageView cell = strip_.view().sub(Rect::from_size(index * width_, 0, width_, height_));
    TBitmap bitmap;
    bitmap.SetImage(enabled ? cell : greyed(cell).view());
    canvas.DrawTransparent(x, y, bitmap, clFuchsia);
}

HIMAGELIST TImageList::Handle() const {
    if (handle_) return handle_;
    handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, Count(), 4);
    if (!handle_) throw Error("Cannot create an image list");
    if (Count() > 0) {
        // The system list takes the pictures with their magenta pixels made
        // black and a monochrome mask that is 1 there (rows of whole words).
        const int w = strip_.width();
        const std::size_t stride = std::size_t((w + 15) / 16 * 2);
        std::vector<std::uint8_t> mask_bits(stride * std::size_t(height_), 0);
        Image pictures = Image::copy_of(strip_);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < w; ++x)
                if (is_key(pictures.at(x, y))) {
                    pictures.at(x, y) = 0;
                    mask_bits[std::size_t(y) * stride + std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
                }
        UniqueGdi<HBITMAP> mask(CreateBitmap(w, height_, 1, 1, mask_bits.data()));
        // A copy that no device context holds (a TBitmap keeps its own selected).
        TBitmap cells;
        cells.SetImage(pictures);
        WindowDC screen(nullptr);
        UniqueGdi<HBITMAP> image(CreateCompatibleBitmap(screen.get(), w, height_));
        {
            MemoryDC dc(screen.get());
            SelectGuard select(dc.get(), image.get());
            BitBlt(dc.get(), 0, 0, w, height_, cells.Canvas().Handle(), 0, 0, SRCCOPY);
        }
        ImageList_Add(handle_, image.get(), mask.get());
    }
    return handle_;
}

std::vector<std::uint8_t> TImageList::WriteStrip() const {
    if (strip_.empty()) return {};
    return encode_bmp(strip_);
}

void TImageList::ReadStrip(std::span<const std::uint8_t> bmp) {
    strip_ = Image();
    if (!bmp.empty()) Add(decode_bmp(bmp));
    Changed();
}

}  // namespace korvane
