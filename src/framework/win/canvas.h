#pragma once
// A drawing surface over a device context, with the font, brush and pen
// selected into it when an operation needs them.

#include <windows.h>

#include <string>

#include "base/geometry.h"
#include "framework/win/graphics.h"

namespace korvane {

class TBitmap;

RECT to_rect(const Rect& r);
Rect from_rect(const RECT& r);

class TCanvas {
public:
    TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    virtual ~TCanvas();

    // Binds the canvas to a DC it does not own (nullptr unbinds). The objects
    // the canvas selected are taken out again before the DC is let go.
    void SetHandle(HDC dc);
    HDC Handle() const { return dc_; }
    bool HandleAllocated() const { return dc_ != nullptr; }

    TFont& Font() { return font_; }
    TBrush& Brush() { return brush_; }
    TPen& Pen() { return pen_; }

    void FillRect(const Rect& r);
    void FrameRect(const Rect& r);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, const std::string& text);
    // DrawTextW with the canvas font; with DT_CALCRECT r receives the measured size.
    int DrawText(const std::string& text, Rect& r, UINT format);
    Size TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).width; }
    int TextHeight(const std::string& text) { return TextExtent(text).height; }
    // Copies the bitmap at 1:1. A monochrome bitmap takes the font colour for
    // its 0 bits (ink) and the brush colour for its 1 bits (paper).
    void Draw(int x, int y, const TBitmap& bitmap);
    // The same, scaled to fill r (nearest pixel).
    void StretchDraw(const Rect& r, const TBitmap& bitmap);
    // Draws the bitmap leaving out the pixels of one colour.
    void DrawTransparent(int x, int y, const TBitmap& bitmap, Color transparent);
    void DrawFocusRect(const Rect& r);
    Color Pixel(int x, int y) const;
    void SetPixel(int x, int y, Color c);

private:
    void SelectFont();
    void SelectBrush();
    void SelectPen();
    void Deselect();

    HDC dc_ = nullptr;
    TFont font_;
    UniqueGdi<HFONT> font_handle_;
    TBrush brush_;
    TPen pen_;
    HGDIOBJ old_font_ = nullptr;
    HGDIOBJ old_brush_ = nullptr;
    HGDIOBJ old_pen_ = nullptr;
};

// Binds a canvas to a DC for one drawing call and lets it go again, also
// when drawing throws.
class CanvasBinding {
public:
    CanvasBinding(TCanvas& canvas, HDC dc) : canvas_(canvas) { canvas_.SetHandle(dc); }
    CanvasBinding(const CanvasBinding&) = delete;
    CanvasBinding& operator=(const CanvasBinding&) = delete;
    ~CanvasBinding() { canvas_.SetHandle(nullptr); }

private:
    TCanvas& canvas_;
};

}  // namespace korvane
