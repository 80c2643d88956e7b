#include "skin/controls/bar_press.h"

namespace korvane {
namespace {

// The repeat of a held arrow or track: a first pause, then steps, as the
// system's bars repeat.
constexpr UINT_PTR kRepeatTimer = 0x4B53;
constexpr UINT kFirstRepeat = 200, kRepeat = 50;

void notify(const PressedBar& target, int code, int pos = 0) {
    SendMessageW(target.notify, target.vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos), target.control);
}

int along(const PressedBar& target, POINT cursor) {
    return (target.vertical ? cursor.y : cursor.x) - target.origin;
}

}  // namespace

bool RunBarPress(const PressedBar& target, int part, Point start, BarGeometry& geometry, bool& tracking,
                 std::shared_ptr<bool> alive) {
    const HWND window = target.window;
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(window, target.bar, &info);
    const ScrollRange range{info.nMin, info.nMax, int(info.nPage), info.nPos};
    const bool thumb = part == SB_THUMBTRACK;
    const int start_offset = geometry.thumb_offset;
    int pos = info.nPos;
    tracking = true;
    SetCapture(window);
    auto running = [&] { return *alive && tracking && IsWindow(window); };
    if (!thumb) {
        notify(target, part);
        if (running()) SetTimer(window, kRepeatTimer, kFirstRepeat, nullptr);
    }
    MSG msg{};
    while (running()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(int(msg.wParam));  // the outer loop ends as asked
            break;
        }
        // Messages sent from elsewhere are handled inside GetMessage: they
        // may have ended the press or its owner.
        if (got < 0 || !running()) break;
        if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
            tracking = false;
            if (thumb) notify(target, SB_THUMBPOSITION, pos);
            PostMessageW(target.notify, target.vertical ? WM_VSCROLL : WM_HSCROLL, SB_ENDSCROLL, target.control);
            break;
        }
        if (msg.message == WM_TIMER && msg.hwnd == window && msg.wParam == kRepeatTimer) {
            // Only while the mouse stays over the part: a paging track stops
            // once the thumb has come under the mouse.
            POINT cursor{};
            GetCursorPos(&cursor);
            if (scroll_hit_test(geometry, along(target, cursor)) == part) notify(target, part);
            if (running()) SetTimer(window, kRepeatTimer, kRepeat, nullptr);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (!thumb || (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE)) continue;
        if (!running()) break;
        POINT cursor{};
        GetCursorPos(&cursor);
        const int moved = target.vertical ? cursor.y - start.y : cursor.x - start.x;
        const ThumbDrag drag = drag_thumb(geometry, start_offset, moved, range);
        if (drag.pos == pos) continue;
        pos = drag.pos;
        SCROLLINFO set{sizeof(set), SIF_POS, 0, 0, 0, pos, pos};
        SetScrollInfo(window, target.bar, &set, FALSE);
        geometry.thumb_offset = drag.offset;
        notify(target, SB_THUMBTRACK, pos);
    }
    if (!thumb && IsWindow(window)) KillTimer(window, kRepeatTimer);
    if (!*alive) return false;
    tracking = false;
    if (GetCapture() == window) ReleaseCapture();
    return true;
}

}  // namespace korvane
