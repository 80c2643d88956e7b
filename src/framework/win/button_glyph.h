#pragma once
// The glyph of a bitmap button or a speed button: a strip of NumGlyphs cells
// side by side (up, disabled, pressed, down; the pixel at a cell's
// bottom-left corner is its transparent colour) and where it goes beside the
// caption (Layout, Margin, Spacing). The button holds it as a base and
// repaints in GlyphChanged; AddProperties puts the stored-layout properties
// into the button's table.

#include "framework/core/properties.h"
#include "framework/win/bitmap.h"
#include "framework/win/glyph_layout.h"

namespace korvane {

class TButtonGlyph {
public:
    // Change the glyph through Glyph() and call GlyphChanged() afterwards.
    TBitmap& Glyph() { return glyph_; }
    virtual void GlyphChanged() = 0;
    // 1 to 4.
    int NumGlyphs() const { return num_glyphs_; }
    void SetNumGlyphs(int value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    // -1 (centred) or more.
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);

    // One cell of the strip; (0, 0) without a glyph.
    Size GlyphCell() const;
    // The cell shown (from 0): disabled, pressed or down when the strip has a
    // cell for it, else the first.
    int GlyphCellIndex(bool disabled, bool pressed, bool down) const;

    template <class C>
    static PropertyBuilder<C>& AddProperties(PropertyBuilder<C>& builder) {
        return builder.object("Glyph", static_cast<TBitmap& (C::*)()>(&TButtonGlyph::Glyph))
            .enumeration("Layout", kButtonLayoutNames, &TButtonGlyph::Layout, &TButtonGlyph::SetLayout, blGlyphLeft)
            .integer("Margin", &TButtonGlyph::Margin, &TButtonGlyph::SetMargin, -1)
            .integer("NumGlyphs", &TButtonGlyph::NumGlyphs, &TButtonGlyph::SetNumGlyphs, 1)
            .integer("Spacing", &TButtonGlyph::Spacing, &TButtonGlyph::SetSpacing, 4);
    }

protected:
    TButtonGlyph() = default;
    ~TButtonGlyph() = default;

private:
    TBitmap glyph_;
    int num_glyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
};

}  // namespace korvane
