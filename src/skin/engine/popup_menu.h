#pragma once
// TWinSkinPopMenu: the skin on a popup menu window ("#32768"), one per such
// window while skinning is on. It paints the window's background from the
// skin's MenuBackground element with a 3-pixel border; the items, drawn by
// their owner window over that background, are clipped inside the border.
// The manager attaches one when the window is created and frees it when the
// window goes.

#include <windows.h>

#include "framework/win/bitmap.h"
#include "framework/win/window_subclass.h"

namespace korvane {

class TSkinData;

class TWinSkinPopMenu {
public:
    TWinSkinPopMenu() = default;
    ~TWinSkinPopMenu();
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    // Takes the window over; menu may be 0 (it is learnt from the first item drawn).
    void Attach(HWND window, TSkinData& data, HMENU menu);
    void Detach();
    bool Attached() const { return subclass_.Installed(); }

    HWND Window = nullptr;
    TSkinData* SkinData = nullptr;
    TBitmap Background;  // the whole window, border included
    HMENU MenuHandle = nullptr;

private:
    LRESULT WindowProcedure(UINT msg, WPARAM wparam, LPARAM lparam);
    // Composes Background at the window's size; false when the skin has no
    // popup background (the system paints the window then).
    bool ComposeBackground();
    // The 3-pixel border band from Background onto the window.
    void PaintBorder(HDC window_dc);
    // Background onto dc, then the items of the old procedure inside the border.
    void PaintBackground(HDC dc, UINT msg, WPARAM wparam, LPARAM lparam);

    WindowSubclass subclass_;
};

// The popup that painted its background before it knew its menu; the next
// menu item drawn tells it. Never a destroyed popup: a popup that goes
// clears it.
extern TWinSkinPopMenu* PendingPopup;

// Hands the menu to the pending popup, if there is one.
void ResolvePendingPopup(HMENU menu);

// The composed background of the attached popup showing that menu; null for none.
const TBitmap* FindPopupBackground(HMENU menu);

}  // namespace korvane
