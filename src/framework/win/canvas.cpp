#include "framework/win/canvas.h"

#include "framework/win/bitmap.h"
#include "base/win32_text.h"

namespace korvane {

RECT to_rect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
Rect from_rect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

TCanvas::TCanvas() {
    font_.OnChange = [this](TFont&) {
        // The new font goes in before the old one is deleted.
        UniqueGdi<HFONT> old = std::move(font_handle_);
        SelectFont();
    };
    brush_.OnChange = [this] { SelectBrush(); };
    pen_.OnChange = [this] { SelectPen(); };
}

TCanvas::~TCanvas() { Deselect(); }

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    Deselect();
    dc_ = dc;
}

void TCanvas::Deselect() {
    if (!dc_) return;
    if (old_font_) SelectObject(dc_, old_font_);
    if (old_brush_) SelectObject(dc_, old_brush_);
    if (old_pen_) SelectObject(dc_, old_pen_);
    old_font_ = old_brush_ = old_pen_ = nullptr;
}

// Each Select puts the current object in and remembers what was there first.
void TCanvas::SelectFont() {
    if (!dc_) return;
    if (!font_handle_) font_handle_ = CreateFontHandle(font_);
    HGDIOBJ previous = SelectObject(dc_, font_handle_.get());
    if (!old_font_) old_font_ = previous;
    SetTextColor(dc_, ColorToRGB(font_.GetColor()));
}

void TCanvas::SelectBrush() {
    if (!dc_) return;
    HGDIOBJ previous = SelectObject(dc_, brush_.Handle());
    if (!old_brush_) old_brush_ = previous;
    SetBkColor(dc_, ColorToRGB(brush_.GetColor()));
    SetBkMode(dc_, brush_.Style() == bsClear ? TRANSPARENT : OPAQUE);
}

void TCanvas::SelectPen() {
    if (!dc_) return;
    HGDIOBJ previous = SelectObject(dc_, pen_.Handle());
    if (!old_pen_) old_pen_ = previous;
}

void TCanvas::FillRect(const Rect& r) {
    if (!dc_ || brush_.Style() == bsClear) return;
    RECT rc = to_rect(r);
    ::FillRect(dc_, &rc, brush_.Handle());
}

void TCanvas::FrameRect(const Rect& r) {
    if (!dc_) return;
    RECT rc = to_rect(r);
    ::FrameRect(dc_, &rc, brush_.Handle());
}

void TCanvas::MoveTo(int x, int y) {
    if (dc_) MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    if (!dc_) return;
    SelectPen();
    ::LineTo(dc_, x, y);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    if (!dc_) return;
    SelectFont();
    SelectBrush();
    std::wstring w = widen(text);
    ::TextOutW(dc_, x, y, w.c_str(), int(w.size()));
}

int TCanvas::DrawText(const std::string& text, Rect& r, UINT format) {
    if (!dc_) return 0;
    SelectFont();
    SelectBrush();
    std::wstring w = widen(text);
    RECT rc = to_rect(r);
    int height = ::DrawTextW(dc_, w.c_str(), int(w.size()), &rc, format);
    if (format & DT_CALCRECT) r = from_rect(rc);
    return height;
}

Size TCanvas::TextExtent(const std::string& text) {
    if (!dc_) return {};
    SelectFont();
    std::wstring w = widen(text);
    SIZE s{};
    GetTextExtentPoint32W(dc_, w.c_str(), int(w.size()), &s);
    return {s.cx, s.cy};
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    StretchDraw(Rect::from_size(x, y, bitmap.Width(), bitmap.Height()), bitmap);
}

void TCanvas::StretchDraw(const Rect& r, const TBitmap& bitmap) {
    if (!dc_ || bitmap.Empty()) return;
    if (bitmap.Monochrome()) {
        SetTextColor(dc_, ColorToRGB(font_.GetColor()));
        SetBkColor(dc_, ColorToRGB(brush_.GetColor()));
    }
    HDC source = bitmap.Canvas().Handle();
    if (r.size() == Size{bitmap.Width(), bitmap.Height()}) {
        BitBlt(dc_, r.left, r.top, r.width(), r.height(), source, 0, 0, SRCCOPY);
        return;
    }
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, r.left, r.top, r.width(), r.height(), source, 0, 0, bitmap.Width(), bitmap.Height(), SRCCOPY);
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& bitmap, Color transparent) {
    if (!dc_ || bitmap.Empty()) return;
    const TBitmap* source = &bitmap;
    // The unused top byte of a 32-bit pixel takes part in the colour
    // comparison of some systems: compare on a copy where it is clear.
    TBitmap cleared;
    if (!bitmap.Monochrome()) {
        cleared.SetImage(bitmap.View());
        MutableImageView pixels = cleared.MutableView();
        for (int row = 0; row < pixels.height(); ++row)
            for (int col = 0; col < pixels.width(); ++col) pixels.at(col, row) = rgb_of(pixels.at(col, row));
        source = &cleared;
    }
    TransparentBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), source->Canvas().Handle(), 0, 0, bitmap.Width(),
                   bitmap.Height(), ColorToRGB(transparent));
}

void TCanvas::DrawFocusRect(const Rect& r) {
    if (!dc_) return;
    RECT rc = to_rect(r);
    ::DrawFocusRect(dc_, &rc);
}

Color TCanvas::Pixel(int x, int y) const {
    if (!dc_) return clBlack;
    return Color(GetPixel(dc_, x, y));
}

void TCanvas::SetPixel(int x, int y, Color c) {
    if (dc_) ::SetPixel(dc_, x, y, ColorToRGB(c));
}

}  // namespace korvane
