#include "framework/win/graphics.h"

#include <algorithm>
#include <string>

#include "base/win32_text.h"

namespace korvane {

COLORREF ColorToRGB(Color color) {
    if (is_system_color(color)) return GetSysColor(int(color & 0xFF));
    return COLORREF(color & 0x00FFFFFFu);
}

UniqueGdi<HFONT> CreateFontHandle(const TFont& font) {
    LOGFONTW lf{};
    lf.lfHeight = font.Height();
    lf.lfWeight = font.Style().contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.Style().contains(fsItalic);
    lf.lfUnderline = font.Style().contains(fsUnderline);
    lf.lfStrikeOut = font.Style().contains(fsStrikeOut);
    lf.lfCharSet = font.Charset();
    lf.lfPitchAndFamily = font.Pitch() == fpFixed ? FIXED_PITCH : font.Pitch() == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
    std::wstring face = widen(font.Name());
    face.resize(std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
    face.copy(lf.lfFaceName, face.size());
    return UniqueGdi<HFONT>(CreateFontIndirectW(&lf));
}

// The old handle outlives Changed(), so a canvas can select the new object
// before the old one is deleted.
void TBrush::SetColor(Color color) {
    if (color == color_ && style_ == bsSolid) return;
    color_ = color;
    style_ = bsSolid;
    UniqueGdi<HBRUSH> old = std::move(handle_);
    Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == style_) return;
    style_ = style;
    UniqueGdi<HBRUSH> old = std::move(handle_);
    Changed();
}

HBRUSH TBrush::Handle() const {
    if (style_ == bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (!handle_) handle_.reset(CreateSolidBrush(ColorToRGB(color_)));
    return handle_.get();
}

void TPen::SetColor(Color color) {
    if (color == color_) return;
    color_ = color;
    UniqueGdi<HPEN> old = std::move(handle_);
    Changed();
}

void TPen::SetWidth(int width) {
    if (width == width_) return;
    width_ = width;
    UniqueGdi<HPEN> old = std::move(handle_);
    Changed();
}

HPEN TPen::Handle() const {
    if (!handle_) handle_.reset(CreatePen(PS_SOLID, width_, ColorToRGB(color_)));
    return handle_.get();
}

}  // namespace korvane
