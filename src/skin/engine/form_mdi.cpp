// TWinSkinForm: MDI frames and children. A frame's MDI client is watched so
// that children made in it are skinned and the manager hears of children
// going; while a child is maximised the frame's menu bar shows its three
// buttons and no child wears the skinned frame (a maximised child's frame
// lies outside the client window).
#include "skin/engine/skin_manager.h"
#include "skin/engine/win_skin_form.h"

namespace korvane {
namespace {

MdiChildState child_state(HWND child) {
    if (IsIconic(child)) return MdiChildState::Minimised;
    if (IsZoomed(child)) return MdiChildState::Maximised;
    return MdiChildState::Normal;
}

}  // namespace

MdiFamily TWinSkinForm::Family() const {
    if (MdiKind != mkFrame || !MdiClient || !IsWindow(MdiClient)) return {};
    BOOL maximised = FALSE;
    const HWND active = reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, LPARAM(&maximised)));
    return {true, active != nullptr, active && maximised};
}

void TWinSkinForm::FollowMdiMark(bool marked) {
    if (MdiKind != mkChild || !Hooked() || !IsWindow(Handle)) return;
    switch (ChildFrameForMark(marked, child_state(Handle))) {
        case MdiChildFrame::Unframed:
            DropRegion();
            SetCaptionButtonBits(true);
            break;
        case MdiChildFrame::Minimised:
            SetCaptionButtonBits(true);
            break;
        case MdiChildFrame::Skinned:
            WindowState = wsNormal;
            UpdateRegion();
            SetCaptionButtonBits(false);
            if (!RegionSet)
                SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                             SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            break;
    }
}

void TWinSkinForm::HookMdiClient() {
    if (!MdiClient || mdi_client_subclass_.Installed()) return;
    mdi_client_subclass_.Install(MdiClient,
                                 [this](UINT m, WPARAM w, LPARAM l) { return MdiClientProcedure(m, w, l); });
}

LRESULT TWinSkinForm::MdiClientProcedure(UINT msg, WPARAM wparam, LPARAM lparam) {
    auto pass_on = [&] { return mdi_client_subclass_.CallNext(msg, wparam, lparam); };
    switch (msg) {
        case WM_NCCALCSIZE:
            // The skinned client window shows no scroll bars of its own.
            if (!light_) {
                const LONG style = GetWindowLongW(MdiClient, GWL_STYLE);
                if (style & (WS_HSCROLL | WS_VSCROLL))
                    SetWindowLongW(MdiClient, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
            }
            return pass_on();
        case WM_MDICREATE: {
            const LRESULT child = pass_on();
            ActiveMdiChild = reinterpret_cast<HWND>(child);
            // Neither the framework nor a plain program asks for the window
            // menu to be refreshed after a child is made: the child is skinned now.
            if (ActiveMdiChild && SkinManager) {
                SkinManager->SkinMdiChild(ActiveMdiChild);
                PostMessageW(Handle, WM_SKINREPAINT, 0, 0);
            }
            return child;
        }
        case WM_MDIDESTROY: {
            const HWND going = reinterpret_cast<HWND>(wparam);
            if (ActiveMdiChild == going) ActiveMdiChild = nullptr;
            if (SkinManager) SkinManager->UnskinWindow(going);
            const LRESULT result = pass_on();
            if (SkinManager) SkinManager->SetMdiMax(Family().active_child_maximised);
            return result;
        }
        case WM_MDITILE:
        case WM_MDICASCADE:
            if (SkinManager && SkinManager->MdiMaximized()) SkinManager->SetMdiMax(false);
            return pass_on();
        case WM_MDIREFRESHMENU:
            if (ActiveMdiChild && IsWindow(ActiveMdiChild) && SkinManager) {
                SkinManager->SkinMdiChild(ActiveMdiChild);
                PostMessageW(Handle, WM_SKINREPAINT, 0, 0);
            }
            return pass_on();
        default: return pass_on();
    }
}

void TWinSkinForm::CommandActiveChild(int command) {
    if (command == 0 || MdiKind != mkFrame || !MdiClient) return;
    const HWND child = reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, 0));
    if (!child) return;
    SendMessageW(child, WM_SYSCOMMAND, WPARAM(command), 0);
    // The mark stays only while the child active now is maximised.
    if (SkinManager && SkinManager->MdiMaximized() && !Family().active_child_maximised) SkinManager->SetMdiMax(false);
}

}  // namespace korvane
