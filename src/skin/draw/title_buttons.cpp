#include "skin/draw/title_buttons.h"

namespace korvane {
namespace {

bool has(const TitleBarState& s, std::uint8_t box) { return (s.box_flags & box) == box; }

bool first_code(int code, int action, const TitleBarState& s) {
    if (code >= 200 && code <= 2000) return true;
    switch (code) {
        case 0: return s.frame_kind != kFrameOther && (action != kActionClose || has(s, kSystemMenuBox));
        case 1: return s.maximised;
        case 2: return !s.maximised;
        case 3: return s.active;
        case 4: return !s.active;
        case 6: return has(s, kMaximizeBox | kSystemMenuBox);
        case 7: return !has(s, kMaximizeBox);
        case 8: return has(s, kMinimizeBox | kSystemMenuBox);
        case 9: return !has(s, kMinimizeBox);
        case 100: return s.mdi_child_maximised && s.menu_bar_height > 0;
        default: return false;
    }
}

bool second_code(int code, bool first, const TitleBarState& s) {
    if (code >= 200 && code <= 2000) return true;
    switch (code) {
        case 0: return true;
        case 1: return s.maximised;
        case 2: return !s.maximised;
        case 3: return s.active;
        case 4: return !s.active;
        case 6: return has(s, kMaximizeBox);
        case 7: return !has(s, kMaximizeBox);
        case 8: return has(s, kMinimizeBox);
        case 9: return !has(s, kMinimizeBox);
        case 100: return first;
        default: return false;
    }
}

}  // namespace

bool IsTitleButtonVisible(int visibility, int visibility1, int action, const TitleBarState& state) {
    const bool first = first_code(visibility, action, state);
    bool visible = first && second_code(visibility1, first, state);
    if (action == kActionMaximize && !has(state, kMaximizeBox)) visible = false;
    if (action == kActionMinimize && !has(state, kMinimizeBox)) visible = false;
    return visible;
}

Rect PlaceTitleButton(int align, int x, int y, Size size, const TitleBarGeometry& g) {
    const Rect r{0, 0, size.width, size.height};
    switch (align) {
        case 0: return r.translated(x, y);
        case 1: return r.translated(g.window_width - x, y);
        case 2:
        case 8: return r.translated(g.caption.left - size.width - x, y);
        case 3:
        case 9: return r.translated(g.caption.right + x, y);
        case 100:
            return r.translated(g.window_width - x - g.frame_right - g.menu_bar_left,
                                (g.menu_bar_height - size.height) / 2 + g.frame_top);
        default: return r;
    }
}

int TitleButtonFrame(bool active, int frame_count) { return active || frame_count < 4 ? 1 : 4; }

int TitleButtonStateFrame(int state, int visibility) {
    return visibility == 100 && state == 3 ? 4 : state;
}

int BorderFrame(bool active, int frame_count) { return active || frame_count == 1 ? 1 : 2; }

int TitleButtonAt(std::span<const HitTarget> buttons, Point point) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const HitTarget& b = buttons[i];
        if (b.visible && b.action >= 0 && b.bounds.contains(point)) return int(i);
    }
    return -1;
}

}  // namespace korvane
