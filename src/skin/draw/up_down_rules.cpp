#include "skin/draw/up_down_rules.h"

namespace korvane {

UpDownHalves up_down_halves(const Rect& c, bool horizontal) {
    UpDownHalves halves;
    if (horizontal) {
        halves.split = c.width() / 2;
        halves.first = {c.left, c.top, c.left + halves.split, c.bottom};
        halves.second = {c.left + halves.split, c.top, c.right, c.bottom};
        halves.first_kind = 2;
    } else {
        halves.split = c.height() / 2;
        halves.first = {c.left, c.top, c.right, c.top + halves.split};
        halves.second = {c.left, c.top + halves.split, c.right, c.bottom};
        halves.first_kind = 0;
    }
    return halves;
}

int up_down_state(bool enabled, bool second_half, int along, int split, bool pressed, bool hot) {
    if (!enabled) return 3;
    const bool cursor_in_other = second_half ? along < split : along >= split;
    if (cursor_in_other) return 1;
    if (pressed) return 2;
    return hot ? 4 : 1;
}

int up_down_frame(int kind, int state) { return state + 4 * (kind % 2); }

std::vector<UpDownLine> up_down_arrow(int kind, const Rect& half) {
    const int a = half.left + half.width() / 2;
    const int b = half.top + half.height() / 2 - (kind < 2 ? 2 : 0);
    switch (kind) {
        case 0:
            return {{{a, b}, {a, b - 1}},         {{a + 1, b + 1}, {a + 4, b + 4}}, {{a, b + 1}, {a + 3, b + 4}},
                    {{a, b + 2}, {a + 2, b + 4}}, {{a - 1, b + 1}, {a - 4, b + 4}}, {{a, b + 2}, {a - 3, b + 4}},
                    {{a, b + 1}, {a - 2, b + 4}}};
        case 1:
            return {{{a, b + 3}, {a, b + 4}},     {{a + 1, b + 2}, {a + 4, b - 1}}, {{a, b + 2}, {a + 3, b - 1}},
                    {{a, b + 1}, {a + 2, b}},     {{a - 1, b + 2}, {a - 4, b - 1}}, {{a, b + 2}, {a - 3, b - 1}},
                    {{a, b + 1}, {a - 2, b}}};
        default: {
            // A polyline tip, back, back, point, tip; right arrows mirror left ones.
            const int back = kind == 2 ? a + 1 : a - 1, point = kind == 2 ? a - 1 : a + 1;
            const Point p[] = {{a, b}, {back, b + 2}, {back, b - 2}, {point, b}, {back, b + 2}};
            return {{p[0], p[1]}, {p[1], p[2]}, {p[2], p[3]}, {p[3], p[4]}};
        }
    }
}

}  // namespace korvane
