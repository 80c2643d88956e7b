#include "skin/engine/popup_menu.h"

#include <algorithm>
#include <vector>

#include "framework/win/gdi.h"
#include "skin/draw/drawing.h"
#include "skin/draw/menu_layout.h"
#include "skin/engine/skin_data.h"
#include "skin/engine/skin_manager.h"
#include "skin/engine/win_skin_form.h"

namespace korvane {

TWinSkinPopMenu* PendingPopup = nullptr;

namespace {
std::vector<TWinSkinPopMenu*> attached;  // every popup object attached now
}  // namespace

const TBitmap* FindPopupBackground(HMENU menu) {
    if (!menu) return nullptr;
    for (const TWinSkinPopMenu* popup : attached)
        if (popup->MenuHandle == menu && !popup->Background.Empty()) return &popup->Background;
    return nullptr;
}

void ResolvePendingPopup(HMENU menu) {
    if (!PendingPopup || !menu) return;
    PendingPopup->MenuHandle = menu;
    PendingPopup = nullptr;
}

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND window, TSkinData& data, HMENU menu) {
    Window = window;
    SkinData = &data;
    MenuHandle = menu;
    if (subclass_.Install(window, [this](UINT m, WPARAM w, LPARAM l) { return WindowProcedure(m, w, l); }))
        attached.push_back(this);
}

void TWinSkinPopMenu::Detach() {
    if (PendingPopup == this) PendingPopup = nullptr;
    if (!subclass_.Installed()) return;
    std::erase(attached, this);
    subclass_.Remove();
    Background.SetSize(0, 0);
}

bool TWinSkinPopMenu::ComposeBackground() {
    if (!SkinData || SkinData->Empty()) return false;
    const TDataSkinObject* element = SkinData->Skin().MenuBackground.get();
    if (!element || element->Bitmap.empty()) return false;
    RECT r{};
    GetWindowRect(Window, &r);
    const Size size{r.right - r.left, r.bottom - r.top};
    if (size.width <= 0 || size.height <= 0) return false;
    const Strip strip{element->Bitmap.view(), 1, false};
    const Margins margins{element->LeftWidth, element->TopHeight, element->RightWidth, element->BottomHeight};
    const Image composed = BuildNineSlice(size, strip, 1, margins, element->Tile != 0);
    Background.SetImage(composed.view());
    if (!MenuHandle) PendingPopup = this;
    return true;
}

void TWinSkinPopMenu::PaintBorder(HDC dc) {
    const int w = Background.Width(), h = Background.Height(), b = kPopupBorder;
    HDC source = Background.Canvas().Handle();
    BitBlt(dc, 0, 0, w, b, source, 0, 0, SRCCOPY);
    BitBlt(dc, 0, h - b, w, b, source, 0, h - b, SRCCOPY);
    BitBlt(dc, 0, 0, b, h, source, 0, 0, SRCCOPY);
    BitBlt(dc, w - b, 0, b, h, source, w - b, 0, SRCCOPY);
}

void TWinSkinPopMenu::PaintBackground(HDC dc, UINT msg, WPARAM wparam, LPARAM lparam) {
    BitBlt(dc, 0, 0, Background.Width(), Background.Height(), Background.Canvas().Handle(), 0, 0, SRCCOPY);
    SavedDC saved(dc);
    IntersectClipRect(dc, kPopupBorder, kPopupBorder, Background.Width() - kPopupBorder,
                      Background.Height() - kPopupBorder);
    subclass_.CallNext(msg, wparam, lparam);
}

LRESULT TWinSkinPopMenu::WindowProcedure(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_SKINQUERY) return 1;
    if (SkinManager && !SkinManager->Enabled()) return subclass_.CallNext(msg, wparam, lparam);
    switch (msg) {
        case WM_DESTROY:
            Detach();
            return subclass_.CallNext(msg, wparam, lparam);
        case WM_NCPAINT: {
            if (!ComposeBackground()) break;
            HDC dc = GetWindowDC(Window);
            if (dc) {
                PaintBorder(dc);
                ReleaseDC(Window, dc);
            }
            return 0;
        }
        case WM_PRINTCLIENT:
            if (!ComposeBackground()) break;
            PaintBackground(reinterpret_cast<HDC>(wparam), msg, wparam, lparam);
            return 0;
        case WM_PAINT: {
            // Wine's popup menus have no frame of their own and paint a
            // raised edge over their client area: the whole window is painted
            // here, the border from the skin and the items inside it.
            if (!ComposeBackground()) break;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Window, &ps);
            if (dc) PaintBackground(dc, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
            EndPaint(Window, &ps);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        default: break;
    }
    return subclass_.CallNext(msg, wparam, lparam);
}

}  // namespace korvane
