#pragma once
// TControl: everything visible on a form, with or without a window of its
// own. Every control routes its messages through WindowProc, which passes
// them through the hooks put on it (window_proc_hook.h) and then to WndProc
// and from there to the control's handlers.
//
// TGraphicControl: a control without a window; its parent forwards mouse
// messages to it and lets it paint on the parent's device context.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "framework/core/component.h"
#include "framework/core/font.h"
#include "framework/core/set.h"
#include "framework/win/canvas.h"
#include "framework/win/messages.h"
#include "framework/win/window_proc_hook.h"

namespace korvane {

class TWinControl;
class TCustomForm;

using TNotifyEvent = std::function<void(TObject* sender)>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateMember { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateMember>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton, TShiftState, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState, int x, int y)>;

// Cursors: the framework's numbers.
using TCursor = int;
constexpr TCursor crDefault = 0, crArrow = -2, crCross = -3, crIBeam = -4, crSizeAll = -22,
                  crHourGlass = -11, crNo = -18, crHandPoint = -21;
HCURSOR CursorHandle(TCursor cursor);

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// Member names of TAlignment in stored layouts.
inline constexpr std::string_view kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};

class TControl : public TComponent {
public:
    static constexpr std::string_view kClassName = "TControl";

    explicit TControl(TComponent* owner);
    ~TControl() override;

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // Every message of the control: through its hooks, then WndProc.
    // Perform sends one message through it.
    void WindowProc(TMessage& message);
    LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    // The form the control sits on (the control itself for a form); null when none.
    TCustomForm* ParentForm() const;

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width(); }
    int Height() const { return bounds_.height(); }
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    virtual void SetBounds(int left, int top, int width, int height);
    // In the parent's client coordinates (a form: the screen's).
    Rect BoundsRect() const { return bounds_; }
    virtual Rect ClientRect() const { return {0, 0, Width(), Height()}; }
    int ClientWidth() const { return ClientRect().width(); }
    int ClientHeight() const { return ClientRect().height(); }
    virtual Point ClientToScreen(Point p) const;
    Point ScreenToClient(Point p) const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to the form visible too.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    Color GetColor() const { return color_; }
    void SetColor(Color color);
    bool ParentColor() const { return parent_color_; }
    void SetParentColor(bool value);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_.Assign(&font); }
    bool ParentFont() const { return parent_font_; }
    void SetParentFont(bool value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }

    virtual void Invalidate();
    // Paints what is invalid now.
    virtual void Update();
    void Repaint() {
        Invalidate();
        Update();
    }
    // While set, every mouse message of the parent window goes to this control.
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    virtual void Click();

protected:
    virtual void WndProc(TMessage& message);
    // What a message does when no handler takes it (nothing for a control
    // without a window).
    virtual void DefaultHandler(TMessage& message);

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void DblClick();
    virtual void CMMouseEnter(TMessage& message);
    virtual void CMMouseLeave(TMessage& message);
    // A caption change, after the new caption is stored.
    virtual void TextChanged();
    // Font, colour and enabled changes; the defaults repaint.
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void EnabledChanged();
    virtual void VisibleChanged();
    // A size the control chooses for itself (auto-size): run when what it
    // depends on changes (text, font, picture, a child's bounds), not when
    // its bounds are set. The default does nothing.
    virtual void AdjustSize() {}
    void Loaded() override;

    // Raise OnClick for a left button released inside (labels, panels, images).
    bool click_events_ = false;
    // Keep the mouse from button-down to button-up.
    bool capture_mouse_ = false;
    Rect bounds_;

private:
    friend class WindowProcHook;
    void CallHooksBefore(TMessage& message, std::uint64_t order);
    void ReleaseHooks();
    void DispatchMouse(TMessage& message);
    void ParentFontChanged();
    void ParentColorChanged();

    TWinControl* parent_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    Color color_ = 0xFF00000F;  // clBtnFace
    bool parent_color_ = true;
    TFont font_;
    bool parent_font_ = true;
    bool applying_parent_ = false;  // a font or colour taken from the parent
    TCursor cursor_ = crDefault;
    bool clicked_ = false;
    std::vector<WindowProcHook*> hooks_;  // in the order they were put on
};

// A windowless control that paints itself on its parent's device context.
class TGraphicControl : public TControl {
public:
    static constexpr std::string_view kClassName = "TGraphicControl";
    explicit TGraphicControl(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }

    // Valid while the control paints.
    TCanvas& Canvas() { return canvas_; }

protected:
    void WndProc(TMessage& message) override;
    virtual void Paint() {}

private:
    TCanvas canvas_;
};

// Mouse key flags of a mouse message as a shift state.
TShiftState KeysToShiftState(WPARAM keys);

}  // namespace korvane
