#pragma once
// TScreen: the forms of the program in creation order, and the control under
// the mouse. When that control changes, the one left gets CM_MOUSELEAVE and
// the one entered CM_MOUSEENTER (windowed and windowless controls alike).

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

    // Compares the control under the cursor with the last one and sends the
    // leave and enter notifications when it changed.
    void TrackMouse();
    TControl* MouseControl() const { return mouse_control_; }

    // Bookkeeping called by forms and controls.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void ControlDestroyed(TControl* control);

private:
    std::vector<TCustomForm*> forms_;
    TControl* mouse_control_ = nullptr;
    HWND tracked_window_ = nullptr;
};

// The one screen, made by the application; null before and after it.
extern TScreen* Screen;

}  // namespace korvane
