#pragma once
// TImageList: small images of one size (Width × Height), kept side by side in
// one strip. Magenta (clFuchsia) is their transparent colour. Menus and tool
// bars draw from it by index; in a stored layout the strip is the BMP file of
// the binary property "Bitmap".

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <span>
#include <vector>

#include "base/image.h"
#include "framework/core/component.h"
#include "framework/win/bitmap.h"

namespace korvane {

class TImageList : public TComponent {
public:
    static constexpr std::string_view kClassName = "TImageList";

    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list.
    void SetWidth(int width);
    void SetHeight(int height);
    int Count() const { return width_ > 0 ? strip_.width() / width_ : 0; }

    // Adds the images of a strip of cells (its width a multiple of Width,
    // its height Height); gives the index of the first. Fails with an Error
    // for any other size.
    int Add(ImageView images);
    void Clear();

    // Draws image `index` with its transparent pixels left out; a disabled
    // image is drawn in greys. Nothing for an index outside the list.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

    // The system image list of the same images (for common controls), made
    // when first asked for and remade after a change.
    HIMAGELIST Handle() const;

private:
    std::vector<std::uint8_t> WriteStrip() const;
    void ReadStrip(std::span<const std::uint8_t> bmp);
    void Changed();

    int width_ = 16;
    int height_ = 16;
    Image strip_;
    mutable HIMAGELIST handle_ = nullptr;
};

}  // namespace korvane
