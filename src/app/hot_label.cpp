#include "app/hot_label.h"

#include "framework/core/properties.h"

namespace korvane {

THotLabel::THotLabel(TComponent* owner) : TCustomLabel(owner), colors_(Font().GetColor()) {
    TFontStyles style = Font().Style();
    style.include(fsUnderline);
    Font().SetStyle(style);
    SetCursor(crHandPoint);
}

const PropertyTable& THotLabel::Properties() const {
    static const PropertyTable table = PropertyBuilder<THotLabel>(TCustomLabel::Properties())
                                           .color("HotColor", &THotLabel::HotColor, &THotLabel::SetHotColor)
                                           .color("ClickColor", &THotLabel::ClickColor, &THotLabel::SetClickColor)
                                           .build();
    return table;
}

void THotLabel::CMMouseEnter(TMessage& message) {
    TCustomLabel::CMMouseEnter(message);
    Font().SetColor(colors_.enter(Font().GetColor()));
}

void THotLabel::CMMouseLeave(TMessage& message) {
    TCustomLabel::CMMouseLeave(message);
    Font().SetColor(colors_.leave());
}

// The mouse events come first; the colour follows what their handlers left.
void THotLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomLabel::MouseDown(button, shift, x, y);
    Font().SetColor(colors_.press(Font().GetColor()));
}

void THotLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomLabel::MouseUp(button, shift, x, y);
    Font().SetColor(colors_.release());
}

}  // namespace korvane
