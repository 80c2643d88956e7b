#pragma once
// Brushes and pens of a canvas, and GDI fonts made from font descriptions.
// Each turns its description into a GDI object on demand and drops it when
// the description changes.

#include <windows.h>

#include <functional>

#include "base/color.h"
#include "framework/core/colors.h"
#include "framework/core/font.h"
#include "framework/win/gdi.h"

namespace korvane {

// The RGB value a colour has now (system colours resolved).
COLORREF ColorToRGB(Color color);

// A GDI font made from a font description.
UniqueGdi<HFONT> CreateFontHandle(const TFont& font);

class TGraphicsObject {
public:
    std::function<void()> OnChange;

protected:
    TGraphicsObject() = default;
    TGraphicsObject(const TGraphicsObject&) = delete;
    TGraphicsObject& operator=(const TGraphicsObject&) = delete;
    ~TGraphicsObject() = default;
    void Changed() {
        if (OnChange) OnChange();
    }
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    Color GetColor() const { return color_; }
    void SetColor(Color color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    // The solid brush of the colour; a clear brush gives the stock null brush.
    HBRUSH Handle() const;

private:
    Color color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    mutable UniqueGdi<HBRUSH> handle_;
};

class TPen : public TGraphicsObject {
public:
    Color GetColor() const { return color_; }
    void SetColor(Color color);
    int Width() const { return width_; }
    void SetWidth(int width);
    HPEN Handle() const;

private:
    Color color_ = clBlack;
    int width_ = 1;
    mutable UniqueGdi<HPEN> handle_;
};

}  // namespace korvane
