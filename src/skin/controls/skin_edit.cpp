#include "skin/controls/skin_edit.h"

#include "framework/win/canvas.h"
#include "framework/win/gdi.h"
#include "framework/win/graphics.h"
#include "skin/controls/control_skins.h"
#include "skin/controls/skin_up_down.h"

namespace korvane {
namespace {

void frame_with(HDC dc, const Rect& rect, HBRUSH brush) {
    const RECT r = to_rect(rect);
    FrameRect(dc, &r, brush);
}

HBRUSH current_brush(HDC dc) { return static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)); }

std::string class_of(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, 64);
    return name;
}

}  // namespace

void FrameColour(HDC dc, const Rect& rect, Color colour) {
    UniqueGdi<HBRUSH> brush(CreateSolidBrush(ColorToRGB(colour)));
    frame_with(dc, rect, brush.get());
}

void TSkinEdit::AfterMessage(TMessage& message) {
    switch (message.Msg) {
        // A paint into a given DC leaves the border alone.
        case WM_PAINT:
            if (message.WParam == 0) PaintWindow(nullptr);
            break;
        // The system's frame painting puts the sunken border back.
        case WM_NCPAINT: PaintWindow(nullptr); break;
        case WM_PRINT: PrintBorder(reinterpret_cast<HDC>(message.WParam)); break;
        default: TSkinControl::AfterMessage(message); break;
    }
}

void TSkinEdit::FindUpDown() {
    if (UpDown || !Skins() || !SkinData) return;
    for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string name = class_of(child);
        if (_stricmp(name.c_str(), "msctls_updown32") != 0 && name != "TSpinButton") continue;
        UpDown = new TSkinUpDown(Skins());
        UpDown->AttachWindow(child, *SkinData, *Canvas);
        Skins()->Add(*UpDown);
        UpDown->Boxed = true;
        return;
    }
}

void TSkinEdit::PaintTo(HDC dc, const Rect& rect) {
    if (!Handle || !SkinData) return;
    FindUpDown();
    RECT client{};
    GetClientRect(Handle, &client);
    // An edit without a border gets no frame.
    if (client.right == rect.right || client.bottom == rect.bottom) return;
    HBRUSH brush = current_brush(dc);
    frame_with(dc, rect.shrunken(1), brush);
    if (!UpDown) frame_with(dc, rect.shrunken(2), brush);
    FrameColour(dc, rect, SkinData->Colours().ButtonShadow);
}

void TSkinEdit::PrintBorder(HDC given) {
    if (!Handle || !SkinData) return;
    RECT window{};
    if (!GetWindowRect(Handle, &window)) return;
    WindowRect = from_rect(window);
    const Rect rect{0, 0, window.right - window.left, window.bottom - window.top};
    RECT client{};
    GetClientRect(Handle, &client);
    if (client.right + 2 >= rect.right || client.bottom + 2 >= rect.bottom) return;
    HDC dc = given ? given : GetWindowDC(Handle);
    if (!dc) return;
    frame_with(dc, rect.shrunken(1), current_brush(dc));
    FrameColour(dc, rect, SkinData->Colours().ButtonShadow);
    if (!given) ReleaseDC(Handle, dc);
}

}  // namespace korvane
