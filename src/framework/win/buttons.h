#pragma once
// TBitBtn: a push button with a glyph (TButtonGlyph: up, disabled and
// pressed cells), drawn by the framework (owner-drawn).
// While it shows the default-button look, a window-frame line runs round it.

#include "framework/win/bitmap.h"
#include "framework/win/button_glyph.h"
#include "framework/win/stdctrls.h"

namespace korvane {

// Draws glyph cell `index` of a strip of `num_glyphs` cells and the caption
// where `place` says, both moved by `shift` pixels down and right (a pressed
// face); a disabled caption is engraved.
void DrawButtonContent(TCanvas& canvas, const GlyphPlacement& place, int shift, TBitmap& glyph, int num_glyphs,
                       int index, const std::string& caption, bool disabled);

class TBitBtn : public TButton, public TButtonGlyph {
public:
    static constexpr std::string_view kClassName = "TBitBtn";
    explicit TBitBtn(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    void GlyphChanged() override { Invalidate(); }

    // Where glyph and caption go in a client area of this size.
    GlyphPlacement Placement(Size client);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
};

}  // namespace korvane
