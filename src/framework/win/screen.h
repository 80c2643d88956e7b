#pragma once
// TScreen: the forms of the program in creation order, and the control under
// the mouse. When that control changes, the one left gets CM_MOUSELEAVE and
// the one entered CM_MOUSEENTER (windowed and windowless controls alike).
//
// Each framework window follows the mouse in its own procedure (WM_MOUSEMOVE,
// and WM_MOUSELEAVE asked for with TrackMouseEvent), so this works in every
// message loop: the application's, a message box's, a dialog's or a menu's.
// The application's loop also looks when it falls idle, which catches a
// control appearing or going under a cursor that does not move.

#include <vector>

#include "framework/win/control.h"

namespace korvane {

class TCustomForm;

class TScreen {
public:
    TScreen();
    TScreen(const TScreen&) = delete;
    TScreen& operator=(const TScreen&) = delete;
    ~TScreen();

    int FormCount() const { return int(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(std::size_t(index)); }
    // The framework form whose window this is; null when none.
    TCustomForm* FindForm(HWND window) const;

    // Looks which control is under the cursor now (MouseMoved with it).
    void TrackMouse();
    TControl* MouseControl() const { return mouse_control_; }
    // The control under the mouse is now `control` (null: none of the
    // program's); sends the leave and enter notifications when it changed.
    void MouseMoved(TControl* control);
    // The mouse left a window: its control, or a windowless child of it, is left.
    void MouseLeft(TWinControl* window);

    // Bookkeeping called by forms and controls.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void ControlDestroyed(TControl* control);

private:
    std::vector<TCustomForm*> forms_;
    TControl* mouse_control_ = nullptr;
};

// The one screen, made by the application; null before and after it.
extern TScreen* Screen;

}  // namespace korvane
