#include "framework/win/extctrls.h"

#include "framework/core/properties.h"

namespace korvane {

namespace {

constexpr std::string_view kBevelNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};

}  // namespace

Rect DrawBevel(TCanvas& canvas, Rect r, TBevelCut cut, int width) {
    if (cut == bvNone) return r;
    HDC dc = canvas.Handle();
    Color top_left = cut == bvLowered ? clBtnShadow : clBtnHighlight;
    Color bottom_right = cut == bvLowered ? clBtnHighlight : clBtnShadow;
    UniqueGdi<HBRUSH> light(CreateSolidBrush(ColorToRGB(top_left)));
    UniqueGdi<HBRUSH> dark(CreateSolidBrush(ColorToRGB(bottom_right)));
    for (int i = 0; i < width && !r.is_empty(); ++i) {
        if (cut != bvSpace) {
            RECT top{r.left, r.top, r.right - 1, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom - 1};
            RECT bottom{r.left, r.bottom - 1, r.right, r.bottom}, right{r.right - 1, r.top, r.right, r.bottom};
            FillRect(dc, &top, light.get());
            FillRect(dc, &left, light.get());
            FillRect(dc, &bottom, dark.get());
            FillRect(dc, &right, dark.get());
        }
        r = r.shrunken(1);
    }
    return r;
}

// --- TCustomPanel

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    click_events_ = true;
    bounds_ = Rect::from_size(0, 0, 185, 41);
}

const PropertyTable& TCustomPanel::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TCustomPanel>(TCustomControl::Properties())
            .enumeration("Alignment", kAlignmentNames, &TCustomPanel::Alignment, &TCustomPanel::SetAlignment, taCenter)
            .enumeration("BevelInner", kBevelNames, &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner, bvNone)
            .enumeration("BevelOuter", kBevelNames, &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter, bvRaised)
            .integer("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth, 1)
            .integer("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth, 0)
            .build();
    return table;
}

void TCustomPanel::SetAlignment(TAlignment value) {
    alignment_ = value;
    Invalidate();
}
void TCustomPanel::SetBevelInner(TBevelCut value) {
    bevel_inner_ = value;
    Invalidate();
}
void TCustomPanel::SetBevelOuter(TBevelCut value) {
    bevel_outer_ = value;
    Invalidate();
}
void TCustomPanel::SetBevelWidth(int value) {
    bevel_width_ = value < 1 ? 1 : value;
    Invalidate();
}
void TCustomPanel::SetBorderWidth(int value) {
    border_width_ = value < 0 ? 0 : value;
    Invalidate();
}

void TCustomPanel::Paint() {
    TCanvas& canvas = Canvas();
    Rect r = ClientRect();
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(r);
    r = DrawBevel(canvas, r, bevel_outer_, bevel_width_);
    r = r.shrunken(border_width_);
    r = DrawBevel(canvas, r, bevel_inner_, bevel_width_);
    canvas.Brush().SetStyle(bsClear);
    UINT align = alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
    canvas.DrawText(Caption(), r, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | align);
}

// --- TPicture and TImage

TBitmap& TPicture::Bitmap() {
    if (!bitmap_) bitmap_ = std::make_unique<TBitmap>();
    return *bitmap_;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    click_events_ = true;
    bounds_ = Rect::from_size(0, 0, 105, 105);
    picture_.OnChange = [this] {
        AdjustSize();
        Invalidate();
    };
}

const PropertyTable& TImage::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TImage>(TGraphicControl::Properties())
            .boolean("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false)
            .boolean("Center", &TImage::Center, &TImage::SetCenter, false)
            .boolean("Stretch", &TImage::Stretch, &TImage::SetStretch, false)
            .build();
    return table;
}

void TImage::SetAutoSize(bool value) {
    auto_size_ = value;
    AdjustSize();
}
void TImage::SetStretch(bool value) {
    stretch_ = value;
    Invalidate();
}
void TImage::SetCenter(bool value) {
    center_ = value;
    Invalidate();
}

void TImage::AdjustSize() {
    if (!auto_size_ || picture_.Empty() || ComponentState().contains(csLoading)) return;
    SetBounds(Left(), Top(), picture_.Bitmap().Width(), picture_.Bitmap().Height());
}

void TImage::Paint() {
    if (picture_.Empty()) return;
    TBitmap& bitmap = picture_.Bitmap();
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(clWhite);  // paper of a monochrome picture
    if (stretch_) {
        canvas.StretchDraw(ClientRect(), bitmap);
        return;
    }
    int x = center_ ? (Width() - bitmap.Width()) / 2 : 0;
    int y = center_ ? (Height() - bitmap.Height()) / 2 : 0;
    canvas.Draw(x, y, bitmap);
}

}  // namespace korvane
