// TWinSkinForm: the window procedure put in front of the skinned window's.
#include "framework/win/messages.h"
#include "skin/engine/skin_manager.h"
#include "skin/engine/win_skin_form.h"

namespace korvane {

LRESULT TWinSkinForm::WindowProcedure(UINT msg, WPARAM wparam, LPARAM lparam) {
    // Counts the calls on the stack: Release during one of them (a window
    // destroyed from its own message) frees the object when the last returns.
    struct Depth {
        TWinSkinForm* form;
        explicit Depth(TWinSkinForm* f) : form(f) { ++form->depth_; }
        ~Depth() {
            if (--form->depth_ == 0 && form->release_pending_) delete form;
        }
    } depth(this);
    switch (msg) {
        case WM_DESTROY:
            if (Timer) Timer->SetEnabled(false);
            mdi_client_subclass_.Remove();
            subclass_.Remove();
            Region.reset();
            RegionSet = false;
            return PassOn(msg, wparam, lparam);
        case WM_STYLECHANGED:
            if (wparam == WPARAM(GWL_STYLE)) Style = LONG(reinterpret_cast<const STYLESTRUCT*>(lparam)->styleNew);
            return PassOn(msg, wparam, lparam);
        case WM_SKINQUERY: return 1;
        default: break;
    }
    const LONG style = GetWindowLongW(Handle, GWL_STYLE);
    if ((style & WS_CHILD) && MdiKind != mkChild) return PassOn(msg, wparam, lparam);

    LRESULT result = 0;
    bool handled = Stage1(msg, wparam, lparam, result);
    const bool stage2 = WindowState != wsMinimized && !(MdiKind == mkChild && WindowState != wsNormal) &&
                        PaintState != psNotStarted;
    if (!handled && stage2 && Hooked()) handled = Stage2(msg, wparam, lparam, result);
    if (!handled) result = PassOn(msg, wparam, lparam);
    return result;
}

bool TWinSkinForm::Stage1(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    switch (msg) {
        case WM_SIZE:
            result = PassOn(msg, wparam, lparam);
            OnSize(wparam);
            return true;
        case WM_ACTIVATE:
            Active = LOWORD(wparam) != WA_INACTIVE;
            return false;
        case WM_ERASEBKGND:
            result = PassOn(msg, wparam, lparam);
            if (!Form && SkinData && SkinData->FaceBrush()) {
                RECT client{};
                GetClientRect(Handle, &client);
                FillRect(reinterpret_cast<HDC>(wparam), &client, SkinData->FaceBrush());
                result = 1;
            }
            return true;
        case WM_GETMINMAXINFO: {
            result = PassOn(msg, wparam, lparam);
            ReadWindowState();
            if (MdiKind == mkChild && WindowState == wsNormal && SkinManager && SkinManager->MdiMaximized())
                SkinManager->SetMdiMax(false);
            // An MDI child keeps its caption buttons while maximised: its frame is then the system's.
            SetCaptionButtonBits(WindowState == wsMinimized || (MdiKind == mkChild && WindowState == wsMaximized));
            auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
            info->ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
            return true;
        }
        case WM_WINDOWPOSCHANGED:
            ReadWindowState();
            return false;
        case WM_NCACTIVATE:
            Active = wparam != 0;
            return false;
        case WM_COMMAND:
            // The system menu this object tracks reports its choice here.
            switch (wparam) {
                case SC_SIZE: case SC_MOVE: case SC_MINIMIZE: case SC_MAXIMIZE: case SC_NEXTWINDOW:
                case SC_PREVWINDOW: case SC_CLOSE: case SC_RESTORE:
                    PostMessageW(Handle, WM_SYSCOMMAND, wparam, 0);
                    result = 0;
                    return true;
                default: return false;
            }
        case WM_SYSCOMMAND:
            if ((wparam & 0xFFF0) == SC_KEYMENU && KeyboardMenu(wparam, lparam, result)) return true;
            switch (wparam & 0xFFF0) {
                case SC_MINIMIZE:
                    WindowState = wsMinimized;
                    if (MdiKind == mkChild) SetCaptionButtonBits(true);
                    break;
                case SC_MAXIMIZE: WindowState = wsMaximized; break;
                case SC_RESTORE:
                    WindowState = wsNormal;
                    if (MdiKind == mkChild) SetCaptionButtonBits(false);
                    break;
                default: break;
            }
            return false;
        case WM_CTLCOLORBTN:
            result = PassOn(msg, wparam, lparam);
            SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
            return true;
        case WM_CTLCOLORSTATIC:
            result = PassOn(msg, wparam, lparam);
            if (!Form) SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
            if (SkinData && SkinData->FaceBrush()) result = reinterpret_cast<LRESULT>(SkinData->FaceBrush());
            return true;
        case WM_SKINSTART:
            Start();
            return true;
        case WM_MENUSELECT:
            if (MenuTracking && MenuBar && TWinSkinMenu::Tracking() == MenuBar.get()) MenuBar->Selected(wparam, lparam);
            return false;
        case WM_SKINCHANGED:
            // The application's request to a skinned framework form.
            if (!Form) return false;
            ApplySkinChange();
            result = 0;
            return true;
        default: return false;
    }
}

bool TWinSkinForm::Stage2(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    switch (msg) {
        case WM_NCCALCSIZE:
            result = OnNcCalcSize(wparam, lparam);
            return true;
        case WM_MEASUREITEM:
            if (!MeasureWindowMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lparam))) return false;
            result = TRUE;
            return true;
        case WM_DRAWITEM:
            if (!DrawWindowMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam))) return false;
            result = TRUE;
            return true;
        case WM_NCHITTEST:
            result = PassOn(msg, wparam, lparam);
            if (MenuBarHeight > 0) {
                const Point p = ScreenToWindow(short(LOWORD(lparam)), short(HIWORD(lparam)));
                if (result == HTCAPTION && p.y > FrameTop) result = HTMENU;
                // The system does not know the band it no longer draws a bar in.
                const bool in_bar = p.y >= FrameTop && p.y < FrameTop + MenuBarHeight && p.x >= FrameLeft &&
                                    p.x < WindowWidth - FrameRight;
                if (in_bar) result = HTMENU;
            }
            return true;
        case WM_NCPAINT: {
            if (FrameKind == kFrameCaptionless) return false;
            // The update region comes in screen coordinates; 1 means all of it.
            HRGN clip = nullptr;
            if (wparam > 1) {
                clip = CreateRectRgn(0, 0, 0, 0);
                CombineRgn(clip, reinterpret_cast<HRGN>(wparam), nullptr, RGN_COPY);
            }
            HDC dc = GetDCEx(Handle, clip, DCX_WINDOW | DCX_CACHE | (clip ? DCX_INTERSECTRGN : 0));
            if (!dc && clip) DeleteObject(clip);  // GetDCEx owns it only when it succeeds
            if (dc) {
                PaintFrame(dc);
                ReleaseDC(Handle, dc);
            }
            result = 0;
            return true;
        }
        case WM_NCACTIVATE:
            Active = wparam != 0;
            if (Timer) Timer->SetEnabled(Active);
            // The system paints its own caption here; the skinned one goes back over it.
            result = PassOn(msg, wparam, lparam);
            PaintFrame(nullptr);
            return true;
        case WM_SETTEXT:
            // The system draws the new caption itself, without WM_NCPAINT: the
            // skinned title strip is painted again at once, with no message loop.
            result = PassOn(msg, wparam, lparam);
            PaintFrame(nullptr);
            return true;
        case WM_SKINREPAINT:
            PaintFrame(nullptr);
            return true;
        case WM_NCMOUSEMOVE:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN: return NonClientMouse(msg, wparam, lparam, result);
        default: return false;
    }
}

bool TWinSkinForm::NonClientMouse(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    const int x = short(LOWORD(lparam)), y = short(HIWORD(lparam));
    FollowSkin();
    TNCObject* object = ButtonAt(ScreenToWindow(x, y));
    auto* entry = object || !MenuBar ? nullptr : MenuBar->ItemAt(ScreenToWindow(x, y));
    if (entry) object = entry;
    result = 0;
    switch (msg) {
        case WM_NCMOUSEMOVE:
            if (!Active) return true;
            if (object) {
                object->MouseEnter();
                return true;
            }
            if (HotObject) HotObject->MouseLeave();
            return false;
        case WM_NCLBUTTONDOWN:
            if (entry) {
                if (MenuTracking) {
                    // A press posted while a drop-down is still open waits
                    // for the menu loop to end: it never opens a loop inside it.
                    EndMenu();
                    PostMessageW(Handle, msg, wparam, lparam);
                    return true;
                }
                if (!Active) SetForegroundWindow(Handle);
                entry->MouseDown();
                MenuBar->OpenItem(*entry);
                return true;
            }
            if (object) {
                if (!Active) SetForegroundWindow(Handle);
                object->MouseDown();
                return true;
            }
            // A maximised window is not moved by a drag on its caption.
            if (WindowState == wsMaximized && Active && wparam == HTCAPTION) {
                result = PassOn(msg, HTMENU, lparam);
                return true;
            }
            return false;
        case WM_NCLBUTTONUP:
            if (!object) return false;
            // Only the button that was pressed and is still under the mouse acts.
            if (object == HotObject && object->State == TNCObject::stPressed &&
                dynamic_cast<TWinSysButton*>(object)) {
                object->MouseUp();
                DoButtonAction(x, y);
            }
            return true;
        case WM_NCLBUTTONDBLCLK:
            if (WindowState != wsNormal) Restore();
            else if (BoxFlags & kMaximizeBox) Maximize();
            return true;
        case WM_NCRBUTTONDOWN:
            if (wparam != HTCAPTION || MdiKind == mkChild) return false;
            OpenSystemMenu(x, y);
            return true;
        default: return false;
    }
}

bool TWinSkinForm::KeyboardMenu(WPARAM, LPARAM lparam, LRESULT& result) {
    // Alt or F10 alone (key 0) never starts the system's menu loop on a
    // skinned window: its menu would be drawn over the skinned frame.
    // Alt+letter of a bar entry opens that entry's drop-down.
    if (MenuTracking || lparam == 32 || lparam == 45 || GetCapture()) return false;
    if (lparam != 0) {
        TMenuBtn* entry = MenuBar ? MenuBar->FindAccelItem(wchar_t(lparam)) : nullptr;
        if (!entry) return false;
        MenuBar->ClickItem(*entry);
    }
    result = 1;
    return true;
}

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wparam, LPARAM lparam) {
    LRESULT result = PassOn(WM_NCCALCSIZE, wparam, lparam);
    if (!wparam) return 0;
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam);
    if ((MdiKind == mkChild && WindowState != wsNormal) || FrameKind == kFrameCaptionless) {
        params->rgrc[1] = params->rgrc[0];
        return WVR_REDRAW;
    }
    const WINDOWPOS& pos = *params->lppos;
    const Rect client = SkinnedClientRect({pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy}, Frame(), MenuBarHeight);
    params->rgrc[0] = to_rect(client);
    params->rgrc[1] = params->rgrc[0];
    (void)result;
    return WVR_REDRAW;
}

void TWinSkinForm::OnSize(WPARAM wparam) {
    switch (wparam) {
        case SIZE_MINIMIZED: WindowState = wsMinimized; break;
        case SIZE_MAXIMIZED: WindowState = wsMaximized; break;
        case SIZE_RESTORED: WindowState = wsNormal; break;
        default: break;
    }
    if (WindowState == wsMinimized) return;
    if (MdiKind == mkChild && (WindowState != wsNormal || (SkinManager && SkinManager->MdiMaximized()))) return;
    if (PaintState == psNormal || PaintState == psReapplying) UpdateRegion();
}

}  // namespace korvane
