#include "framework/win/control.h"

#include <windowsx.h>

#include "framework/core/properties.h"
#include "framework/win/form.h"
#include "framework/win/screen.h"
#include "framework/win/wincontrol.h"

namespace korvane {

HCURSOR CursorHandle(TCursor cursor) {
    const wchar_t* id = IDC_ARROW;
    switch (cursor) {
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crNo: id = IDC_NO; break;
    case crHandPoint: id = IDC_HAND; break;
    default: break;
    }
    return LoadCursorW(nullptr, id);
}

TShiftState KeysToShiftState(WPARAM keys) {
    TShiftState s;
    if (keys & MK_SHIFT) s.include(ssShift);
    if (keys & MK_CONTROL) s.include(ssCtrl);
    if (keys & MK_LBUTTON) s.include(ssLeft);
    if (keys & MK_RBUTTON) s.include(ssRight);
    if (keys & MK_MBUTTON) s.include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0) s.include(ssAlt);
    return s;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this](TFont&) { FontChanged(); };
}

TControl::~TControl() {
    if (Screen) Screen->ControlDestroyed(this);
    SetParent(nullptr);
    ReleaseHooks();
}

const PropertyTable& TControl::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TControl>(TComponent::Properties())
            .integer("Left", &TControl::Left, &TControl::SetLeft, 0)
            .integer("Top", &TControl::Top, &TControl::SetTop, 0)
            .integer("Width", &TControl::Width, &TControl::SetWidth)
            .integer("Height", &TControl::Height, &TControl::SetHeight)
            .string("Caption", &TControl::Caption, &TControl::SetCaption)
            .color("Color", &TControl::GetColor, &TControl::SetColor)
            .stored_if([](const TControl& c) { return !c.ParentColor(); })
            .integer("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault)
            .boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
            .object("Font", &TControl::Font)
            .stored_if([](const TControl& c) { return !c.ParentFont(); })
            .boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true)
            .boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
            .boolean("Visible", &TControl::Visible, &TControl::SetVisible, true)
            .build();
    return table;
}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
    TMessage m{msg, wparam, lparam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw Error("A control cannot be its own parent");
    if (parent_) {
        Invalidate();
        parent_->RemoveControl(this);
    }
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(this);
        if (parent_font_) ParentFontChanged();
        if (parent_color_) ParentColorChanged();
        Invalidate();
    }
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
    auto* win = dynamic_cast<TWinControl*>(parent);
    if (parent && !win) throw Error("Control " + Name() + " cannot be placed on " + std::string(parent->Name()));
    SetParent(win);
}

TCustomForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height) {
    Rect next = Rect::from_size(left, top, width, height);
    if (next == bounds_) return;
    Invalidate();
    bounds_ = next;
    Invalidate();
    if (parent_) parent_->AdjustSize();
}

Point TControl::ClientToScreen(Point p) const {
    Point origin{bounds_.left, bounds_.top};
    if (parent_) origin = parent_->ClientToScreen(origin);
    return {p.x + origin.x, p.y + origin.y};
}

Point TControl::ScreenToClient(Point p) const {
    Point origin = ClientToScreen({0, 0});
    return {p.x - origin.x, p.y - origin.y};
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible) Invalidate();
    visible_ = visible;
    VisibleChanged();
    Perform(CM_VISIBLECHANGED, visible);
    if (parent_) parent_->AdjustSize();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    TextChanged();
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(Color color) {
    parent_color_ = applying_parent_;
    if (color == color_) return;
    color_ = color;
    ColorChanged();
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
    if (value == parent_color_) return;
    parent_color_ = value;
    if (value) ParentColorChanged();
}

void TControl::SetParentFont(bool value) {
    if (value == parent_font_) return;
    parent_font_ = value;
    if (value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parent_ || !parent_font_) return;
    applying_parent_ = true;
    font_.Assign(&parent_->Font());
    applying_parent_ = false;
}

void TControl::ParentColorChanged() {
    if (!parent_ || !parent_color_) return;
    applying_parent_ = true;
    SetColor(parent_->GetColor());
    applying_parent_ = false;
}

void TControl::Invalidate() {
    if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
    RECT r = to_rect(bounds_);
    InvalidateRect(parent_->Handle(), &r, TRUE);
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

bool TControl::MouseCapture() const { return parent_ && parent_->capture_control_ == this; }

void TControl::SetMouseCapture(bool capture) {
    if (!parent_ || !parent_->HandleAllocated() || capture == MouseCapture()) return;
    if (capture) {
        parent_->capture_control_ = this;
        SetCapture(parent_->Handle());
    } else {
        parent_->capture_control_ = nullptr;
        ReleaseCapture();
    }
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::CMMouseEnter(TMessage&) {}
void TControl::CMMouseLeave(TMessage&) {}
void TControl::TextChanged() { Invalidate(); }

void TControl::FontChanged() {
    parent_font_ = applying_parent_;
    Invalidate();
    Perform(CM_FONTCHANGED);
}

void TControl::ColorChanged() { Invalidate(); }
void TControl::EnabledChanged() { Invalidate(); }
void TControl::VisibleChanged() { Invalidate(); }

void TControl::Loaded() {
    TComponent::Loaded();
    AdjustSize();
}

void TControl::DispatchMouse(TMessage& m) {
    const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
    const TShiftState shift = KeysToShiftState(m.WParam);
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        DefaultHandler(m);
        if (capture_mouse_) SetMouseCapture(true);
        if (click_events_) clicked_ = true;
        if (m.Msg == WM_LBUTTONDBLCLK) DblClick();
        MouseDown(mbLeft, m.Msg == WM_LBUTTONDBLCLK ? shift + TShiftState{ssDouble} : shift, x, y);
        break;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        DefaultHandler(m);
        if (capture_mouse_) SetMouseCapture(true);
        MouseDown(m.Msg == WM_RBUTTONDOWN ? mbRight : mbMiddle, shift, x, y);
        break;
    case WM_LBUTTONUP:
        DefaultHandler(m);
        if (capture_mouse_) SetMouseCapture(false);
        if (clicked_) {
            clicked_ = false;
            if (ClientRect().contains({x, y})) Click();
        }
        MouseUp(mbLeft, shift, x, y);
        break;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        DefaultHandler(m);
        if (capture_mouse_) SetMouseCapture(false);
        MouseUp(m.Msg == WM_RBUTTONUP ? mbRight : mbMiddle, shift, x, y);
        break;
    case WM_MOUSEMOVE:
        DefaultHandler(m);
        MouseMove(shift, x, y);
        break;
    }
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
        DispatchMouse(m);
        return;
    case CM_MOUSEENTER:
        CMMouseEnter(m);
        return;
    case CM_MOUSELEAVE:
        CMMouseLeave(m);
        return;
    case CM_PARENTFONTCHANGED:
        ParentFontChanged();
        return;
    case CM_PARENTCOLORCHANGED:
        ParentColorChanged();
        return;
    default:
        DefaultHandler(m);
    }
}

void TControl::DefaultHandler(TMessage&) {}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT && m.WParam) {
        CanvasBinding binding(canvas_, reinterpret_cast<HDC>(m.WParam));
        canvas_.Font().Assign(&Font());
        Paint();
        return;
    }
    TControl::WndProc(m);
}

}  // namespace korvane
