#pragma once
// TWinControl: a control with a window of its own. The window's class is
// named after the framework class ("TButton", "TPanel", "TMainForm"); a
// control that wraps a standard control registers that name as a superclass
// of it. Children's notifications (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR...,
// WM_DRAWITEM, scroll messages) are reflected to the child as CN_ messages.
//
// TCustomControl: a windowed control that paints itself on a canvas.

#include <windows.h>

#include <string>
#include <vector>

#include "framework/win/control.h"
#include "framework/win/gdi.h"

namespace korvane {

class TWinControl : public TControl {
public:
    static constexpr std::string_view kClassName = "TWinControl";

    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // The window, created (with the parents' windows) when first asked for.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window and those of the children; the control stays.
    void DestroyHandle();

    // Child controls in the order they joined.
    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(std::size_t(index)); }
    // The topmost visible windowless child at a client point (enabled ones
    // only unless allow_disabled); null when none.
    TControl* ControlAtPos(Point p, bool allow_disabled = false) const;
    // The control the mouse is over at a client point: an enabled windowless
    // child there, else this control; null outside the client area. Asks for
    // WM_MOUSELEAVE when the window is not yet watching for it.
    TControl* MouseAt(Point p);

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tab_stop_; }
    void SetTabStop(bool value);
    bool DoubleBuffered() const { return double_buffered_; }
    void SetDoubleBuffered(bool value) { double_buffered_ = value; }

    bool Focused() const;
    void SetFocus();

    void SetBounds(int left, int top, int width, int height) override;
    Rect ClientRect() const override;
    Point ClientToScreen(Point p) const override;
    void Invalidate() override;
    void Update() override;

    // The framework control of a window; null for other windows, those of
    // other processes included (safe for a handle that came from outside).
    static TWinControl* FindControl(HWND window);

protected:
    struct TCreateParams {
        std::wstring class_name;             // the framework class name
        const wchar_t* superclass = nullptr; // standard control wrapped, or null
        std::wstring caption;
        DWORD style = 0;
        DWORD ex_style = 0;
        int x = 0, y = 0, width = 0, height = 0;
        HWND parent = nullptr;
        UINT class_style = CS_DBLCLKS;
    };
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // Makes the window CreateWnd asked for (an MDI child asks its client);
    // null when the system refuses.
    virtual HWND CreateWindowHandle(const TCreateParams& params);
    // Destroys the window (an MDI child through its client).
    virtual void DestroyWindowHandle();
    // Creates the window again (after a style change).
    void RecreateWnd();

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    // Paints the control's own face (a window of its own class only).
    virtual void PaintWindow(HDC dc);
    // Paints the windowless children that meet the clip rectangle.
    void PaintControls(HDC dc, const Rect& clip);
    void TextChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    // Gives the window the control's Font.
    void ApplyFont();
    // The brush of the control's colour, for the WM_CTLCOLOR answers.
    HBRUSH ColorBrush();
    // Answers a reflected WM_CTLCOLOR message: the font's colour on the
    // control's colour.
    void AnswerCtlColor(TMessage& message);
    // The text the window shows now (what the user typed, say), as UTF-8.
    std::string WindowText();
    // Places the window where bounds_ says (the form overrides for its frame).
    virtual void UpdateWindowBounds();
    // The window moved or was resized by someone else.
    virtual void WindowBoundsChanged();

private:
    friend class TControl;
    friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void Attach(HWND window);
    void Detach();
    void PaintHandler(TMessage& message);
    void PaintFace(HDC dc);
    void RouteMouse(TMessage& message);
    bool Reflect(TMessage& message);

    std::vector<TControl*> controls_;
    HWND handle_ = nullptr;
    WNDPROC default_proc_ = nullptr;
    bool superclassed_ = false;
    bool tab_stop_ = false;
    bool double_buffered_ = false;
    UniqueGdi<HFONT> font_handle_;
    UniqueGdi<HBRUSH> color_brush_;
    TControl* capture_control_ = nullptr;
};

class TCustomControl : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TCustomControl";
    explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
    std::string_view ClassName() const override { return kClassName; }

    // Valid while the control paints.
    TCanvas& Canvas() { return canvas_; }

protected:
    void PaintWindow(HDC dc) override;
    virtual void Paint();

private:
    TCanvas canvas_;
};

}  // namespace korvane
