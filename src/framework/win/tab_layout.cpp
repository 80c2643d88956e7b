#include "framework/win/tab_layout.h"

namespace korvane {

std::vector<TabPlace> place_tabs(std::span<const int> text_widths, int first, int start_margin, int limit,
                                 bool scroller_shown) {
    std::vector<TabPlace> places;
    const int room = kTabPadding + (scroller_shown ? kTabScrollerRoom : 0);
    int x = start_margin;
    for (int i = first < 0 ? 0 : first; i < int(text_widths.size()); ++i) {
        int w = text_widths[std::size_t(i)];
        if (x + w + room > limit) continue;
        places.push_back({i, x, x + w + kTabPadding});
        x += w + kTabPadding;
    }
    return places;
}

bool all_tabs_fit(std::span<const int> text_widths, int first, int start_margin, int limit) {
    int from = first < 0 ? 0 : first;
    int shown = int(text_widths.size()) - from;
    return first <= 0 && int(place_tabs(text_widths, from, start_margin, limit, false).size()) == shown;
}

}  // namespace korvane
