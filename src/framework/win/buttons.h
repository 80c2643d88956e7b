#pragma once
// TBitBtn: a push button with a glyph, drawn by the framework (owner-drawn).
// The glyph strip holds NumGlyphs cells side by side: up, disabled, pressed.
// The pixel at a cell's bottom-left corner is its transparent colour.

#include "framework/win/bitmap.h"
#include "framework/win/glyph_layout.h"
#include "framework/win/stdctrls.h"

namespace korvane {

// Draws glyph cell `index` of a strip of `num_glyphs` cells and the caption
// where `place` says, both moved by `shift` pixels down and right (a pressed
// face); a disabled caption is engraved.
void DrawButtonContent(TCanvas& canvas, const GlyphPlacement& place, int shift, TBitmap& glyph, int num_glyphs,
                       int index, const std::string& caption, bool disabled);

class TBitBtn : public TButton {
public:
    static constexpr std::string_view kClassName = "TBitBtn";
    explicit TBitBtn(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // Change the glyph through Glyph() and call GlyphChanged() afterwards.
    TBitmap& Glyph() { return glyph_; }
    void GlyphChanged() { Invalidate(); }
    int NumGlyphs() const { return num_glyphs_; }
    void SetNumGlyphs(int value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);

    // Where glyph and caption go in a client area of this size.
    GlyphPlacement Placement(Size client);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    Size GlyphCell() const;

    TBitmap glyph_;
    int num_glyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
};

}  // namespace korvane
