#pragma once
// Where a tab set puts its tabs: a row from the start margin on, each tab
// as wide as its text + 9, drawn only when it fits whole before the end
// margin (the scroller's arrows, when shown, take 12 more). A tab that does
// not fit is left out and the narrower ones after it may still come.

#include <span>
#include <vector>

namespace korvane {

struct TabPlace {
    int index;  // the tab's index in the tab set
    int left;   // x of its left edge
    int right;  // x past its right edge
};

constexpr int kTabPadding = 9;
constexpr int kTabScrollerRoom = 12;

// text_widths: every tab's text width; first: the first tab shown; limit:
// the x the tabs must end before (client width - end margin).
std::vector<TabPlace> place_tabs(std::span<const int> text_widths, int first, int start_margin, int limit,
                                 bool scroller_shown);

// Whether the tabs from `first` on leave none out (when not, the tab set
// shows its scroller).
bool all_tabs_fit(std::span<const int> text_widths, int first, int start_margin, int limit);

}  // namespace korvane
