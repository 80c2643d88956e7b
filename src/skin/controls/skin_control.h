#pragma once
// Unit WinSubClass: TSkinControl, the base of the control-skinning classes.
// An object sits between a control's window and that window's own handling:
// it sees every message first (BeforeMessage, which may end it), lets the
// control's own handling run, looks again afterwards (AfterMessage) and paints
// the control from the skin (PaintTo). A framework control is taken over
// through a hook on its message method (AttachControl), a plain window known
// only by its handle through a subclass of its window procedure
// (AttachWindow). Once detached, or once the control or its window is gone,
// the object never touches the control again.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "base/geometry.h"
#include "framework/core/component.h"
#include "framework/win/bitmap.h"
#include "framework/win/canvas.h"
#include "framework/win/control.h"
#include "framework/win/messages.h"
#include "framework/win/window_proc_hook.h"
#include "framework/win/window_subclass.h"
#include "skin/draw/control_rules.h"
#include "skin/engine/skin_data.h"

namespace korvane {

class TControlSkins;
class TDataSkinObject;

class TSkinControl : public TComponent {
public:
    static constexpr std::string_view kClassName = "TSkinControl";
    // State bits.
    static constexpr std::uint8_t kHot = 1, kPressed = 2;

    // The owner is the form's control skinning, or null for an object the
    // application keeps (OnSkinControl).
    explicit TSkinControl(TControlSkins* owner);
    ~TSkinControl() override;
    std::string_view ClassName() const override { return kClassName; }

    // Takes over a framework windowed control (its window is made when it
    // has none). With recolour the control wears Colours.ButtonFace until
    // detached.
    virtual void AttachControl(TWinControl& control, TSkinData& data, bool recolour, TCanvas& canvas);
    // Takes over a plain window; the caller enters it in the list.
    virtual void AttachWindow(HWND handle, TSkinData& data, TCanvas& canvas);
    // Gives the message method or window procedure back; running it again
    // finds nothing to give back.
    virtual void Detach();
    // False: the message ends here (neither the control nor AfterMessage sees it).
    virtual bool BeforeMessage(TMessage& message);
    virtual void AfterMessage(TMessage& message);
    // Paints the whole control; null: into the window's own DC.
    virtual void PaintWindow(HDC dc);
    // Draws the control into dc; rect is the window rectangle at the origin.
    virtual void PaintTo(HDC dc, const Rect& rect);

    void WindowProc(TMessage& message);
    // The control's own handling of the message.
    void CallDefault(TMessage& message);
    void SendMouseLeave();
    // Repaints a child window now (invalidate, then update).
    void Redraw();
    void FillBackground(HDC dc, const Rect& rect) const;
    // The form's control skinning that owns this object (null for an object
    // of the application).
    TControlSkins* Skins() const { return skins_; }
    bool Attached() const { return (hook_ && hook_->Control()) || subclass_.Installed(); }

    std::uint8_t State = 0;
    TCanvas* Canvas = nullptr;
    bool Enabled = true;
    bool Focused = false;
    std::string Caption;
    TSkinData* SkinData = nullptr;
    HWND Handle = nullptr;
    TWinControl* Control = nullptr;
    Rect WindowRect;
    TControl* GraphicControl = nullptr;
    bool Recolour = false;
    Color OldColor = 0;

protected:
    // Hooks the message method of a framework control (windowed or not).
    void HookControl(TControl& control);
    // The hooked control, null once it is gone.
    TControl* HookedControl() const { return hook_ ? hook_->Control() : nullptr; }
    // The window text (at most 1000 characters); a framework control's
    // Caption when the window has none.
    std::string ReadCaption() const;
    void ReadWindowFlags();

private:
    TControlSkins* skins_;
    bool old_parent_color_ = false;
    std::unique_ptr<WindowProcHook> hook_;
    WindowSubclass subclass_;
    // The rest of the control's handling for the message in progress.
    const TWndMethod* next_ = nullptr;
};

// The one off-screen bitmap of the whole family, made at first use and freed
// at program end.
TBitmap& SharedBitmap();

// Answers WM_PAINT for the object: into the DC in wParam, or between
// BeginPaint and EndPaint. The control's own painting does not run.
void PaintHandler(TSkinControl& object, TMessage& message);
// Text in the rectangle, centred vertically (and across for kCaptionCenter),
// transparent, in the canvas font; disabled text in clBtnShadow.
void DrawCaption(TCanvas& canvas, const Rect& rect, unsigned format, bool enabled, const std::string& text);
// Frame `index` of an element strip of `frames` frames, built as a nine-slice
// at the rectangle's size and drawn into the 32-bit bitmap (transparent when
// the element says so).
void DrawElementFrame(TBitmap& target, const Rect& rect, int frames, int index, const TDataSkinObject& element);
// Cell `index` of an image of `frames` cells, stretched into the rectangle,
// magenta transparent. Nothing for a count of 0 or below.
void DrawFrameCell(TBitmap& target, const Rect& rect, int frames, int index, ImageView image);
// Image `index` (from 1) of a glyph strip of `count` images, drawn at the
// position with the cell's bottom-left pixel as the transparent colour.
void DrawGlyph(TBitmap& target, Point position, int count, int index, const TBitmap& glyph);
// Copies the bitmap to the DC at the rectangle.
void CopyToDC(HDC dc, const Rect& rect, TBitmap& bitmap);

}  // namespace korvane
