#include "framework/win/speed_button.h"

#include "framework/core/properties.h"
#include "framework/win/buttons.h"
#include "framework/win/extctrls.h"
#include "framework/win/stdctrls.h"
#include "framework/win/wincontrol.h"

namespace korvane {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    capture_mouse_ = true;
    bounds_ = Rect::from_size(0, 0, 23, 22);
}

const PropertyTable& TSpeedButton::Properties() const {
    static const PropertyTable table = [this] {
        PropertyBuilder<TSpeedButton> builder(TGraphicControl::Properties());
        builder.boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp, false)
            .integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex, 0)
            .boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown, false)
            .boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat, false);
        return AddProperties(builder).build();
    }();
    return table;
}

void TSpeedButton::SetAllowAllUp(bool value) {
    allow_all_up_ = value;
    if (!Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
            other && other != this && group_index_ != 0 && other->group_index_ == group_index_)
            other->allow_all_up_ = value;
}

void TSpeedButton::SetGroupIndex(int value) {
    group_index_ = value;
    if (value == 0 && down_) {
        down_ = false;
        Invalidate();
    } else if (down_) {
        ReleaseGroup();
    }
}

void TSpeedButton::SetDown(bool value) {
    if (group_index_ == 0) value = false;
    if (value == down_) return;
    // The last button of a group stays down unless the group allows all up.
    if (!value && !allow_all_up_ && !ComponentState().contains(csLoading)) return;
    down_ = value;
    if (value) ReleaseGroup();
    Invalidate();
}

void TSpeedButton::ReleaseGroup() {
    if (!Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
            other && other != this && other->group_index_ == group_index_ && other->down_) {
            other->down_ = false;
            other->Invalidate();
        }
}

void TSpeedButton::SetFlat(bool value) {
    flat_ = value;
    Invalidate();
}
void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        pressed_ = true;
        mouse_over_ = true;
        Repaint();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

// While held, the face follows the mouse in and out of the button.
void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    if (pressed_) {
        bool over = ClientRect().contains({x, y});
        if (over != mouse_over_) {
            mouse_over_ = over;
            Repaint();
        }
    }
    TGraphicControl::MouseMove(shift, x, y);
}

// A release over the button clicks it; in a group it latches (or, allowed,
// lets a down button up) first.
void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && pressed_) {
        pressed_ = false;
        if (ClientRect().contains({x, y})) {
            if (group_index_ != 0) SetDown(!down_);
            Click();
        }
        Repaint();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::CMMouseEnter(TMessage& m) {
    mouse_in_control_ = true;
    if (flat_ && Enabled()) Repaint();
    TGraphicControl::CMMouseEnter(m);
}

void TSpeedButton::CMMouseLeave(TMessage& m) {
    mouse_in_control_ = false;
    if (flat_ && Enabled()) Repaint();
    TGraphicControl::CMMouseLeave(m);
}

void TSpeedButton::EnabledChanged() {
    if (!Enabled()) pressed_ = false;
    TGraphicControl::EnabledChanged();
}

void TSpeedButton::Paint() {
    TCanvas& canvas = Canvas();
    Rect client = ClientRect();
    const bool pushed = Pressed() || down_;
    if (flat_) {
        canvas.Brush().SetColor(GetColor());
        canvas.FillRect(client);
        if (pushed) DrawBevel(canvas, client, bvLowered, 1);
        else if (mouse_in_control_ && Enabled()) DrawBevel(canvas, client, bvRaised, 1);
    } else {
        RECT face = to_rect(client);
        DrawFrameControl(canvas.Handle(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    }
    Size text;
    if (!Caption().empty()) text = MeasureText(Font(), Caption(), DT_SINGLELINE);
    GlyphPlacement place = place_glyph(client.size(), GlyphCell(), text, Layout(), Margin(), Spacing());
    DrawButtonContent(canvas, place, pushed ? 1 : 0, Glyph(), NumGlyphs(), GlyphCellIndex(!Enabled(), Pressed(), down_),
                      Caption(), !Enabled());
}

}  // namespace korvane
