#include "framework/win/button_glyph.h"

namespace korvane {

void TButtonGlyph::SetNumGlyphs(int value) {
    num_glyphs_ = value < 1 ? 1 : value > 4 ? 4 : value;
    GlyphChanged();
}

void TButtonGlyph::SetLayout(TButtonLayout value) {
    layout_ = value;
    GlyphChanged();
}

void TButtonGlyph::SetMargin(int value) {
    margin_ = value < -1 ? -1 : value;
    GlyphChanged();
}

void TButtonGlyph::SetSpacing(int value) {
    spacing_ = value < -1 ? -1 : value;
    GlyphChanged();
}

Size TButtonGlyph::GlyphCell() const {
    if (glyph_.Empty()) return {};
    return {glyph_.Width() / num_glyphs_, glyph_.Height()};
}

int TButtonGlyph::GlyphCellIndex(bool disabled, bool pressed, bool down) const {
    if (disabled && num_glyphs_ >= 2) return 1;
    if (pressed && num_glyphs_ >= 3) return 2;
    if (down && num_glyphs_ >= 4) return 3;
    return 0;
}

}  // namespace korvane
