#include "framework/win/scroll_box.h"

#include "framework/core/properties.h"

namespace korvane {

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
    bounds_ = Rect::from_size(0, 0, 185, 41);
}

const PropertyTable& TScrollBox::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TScrollBox>(TScrollingWinControl::Properties())
            .enumeration("BorderStyle", kControlBorderStyleNames, &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle,
                         bsSingle)
            .build();
    return table;
}

void TScrollBox::SetBorderStyle(TFormBorderStyle value) {
    value = value == bsNone ? bsNone : bsSingle;
    if (value == border_style_) return;
    border_style_ = value;
    RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& p) {
    TScrollingWinControl::CreateParams(p);
    if (border_style_ == bsSingle) p.ex_style |= WS_EX_CLIENTEDGE;
}

}  // namespace korvane
