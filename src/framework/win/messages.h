#pragma once
// Message records and the framework's own message numbers.
//
// CM_ messages are notifications between controls; CN_ messages are the
// parent's notifications reflected to the child control they concern
// (CN_BASE + the original message: CN_COMMAND = 0xBD11, CN_NOTIFY = 0xBC4E).

#include <windows.h>

namespace korvane {

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

constexpr UINT CM_BASE = 0xB000;
// Return and Escape offered to a form's controls (a default or cancel button).
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
// An accelerator character offered to a form's controls.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
// Sent to a control after its Visible changed; wParam is the new value (1 or 0).
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
// Sent to a form when its menu changed; the skinning engine rebuilds its menu bar.
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
// Posted to a form that frees itself once the current message is done.
constexpr UINT CM_RELEASE = CM_BASE + 33;
// A windowed control's face painted into the device context in wParam (client
// coordinates), by its WM_PAINT, WM_PRINTCLIENT and WM_ERASEBKGND, before the
// windowless children are painted over it. A hook that answers it without
// passing it on paints the face in the control's place and keeps the children.
constexpr UINT CM_PAINTFACE = CM_BASE + 0x100;

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;

}  // namespace korvane
