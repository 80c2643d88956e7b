#pragma once
// The rules of the skinned menus: where the entries of a menu bar go, how
// large a drop-down item is, which entry the arrow keys move to, which menus
// and items are drawn by the skin, and which part of a popup's background an
// item is laid on. Rectangles of the bar are in window coordinates.

#include <optional>
#include <span>
#include <vector>

#include "base/geometry.h"

namespace korvane {

// Pixels the popup window's skinned border takes on every side.
inline constexpr int kPopupBorder = 3;
// Space an entry of the bar gives its caption (5 on each side).
inline constexpr int kBarEntryPadding = 10;
// An item whose Tag is this keeps the system's own drawing.
inline constexpr int kPlainItemTag = 999;

// x of the first entry inside the bar. With the skin's menu bar element:
// its left margin + 4, or 12 when the bar is narrower than that; without
// the element: 6.
int MenuBarFirstX(bool has_element, int left_margin, int bar_width);

// The entries' bounds, one per caption width, side by side without gaps from
// first_x (inside the bar): each caption width + 10 wide, from the bar's top
// to one pixel above its bottom. bar is in window coordinates.
std::vector<Rect> LayoutMenuBar(const Rect& bar, int first_x, std::span<const int> caption_widths);

// The entry whose bounds contain the point and whose caption is not empty;
// nullopt for none.
std::optional<int> MenuBarEntryAt(std::span<const Rect> bounds, std::span<const bool> has_caption, Point p);

// A drop-down item of the window's own menu: text width + 26 wide, 8 high
// for a separator, otherwise the proposed height + 4; the older consumer
// platform family adds 4 more to the height.
Size MeasureWindowMenuItem(int text_width, int proposed_height, bool separator, bool old_consumer);

// A framework menu item after its own measuring: 28 wider; on the older
// consumer family a non-separator item is 4 higher.
Size MeasureFrameworkMenuItem(Size measured, bool separator, bool old_consumer);

// The arrow keys while a drop-down of entry `current` (of `count`) is open.
struct MenuSelection {
    bool none = true;                 // no item of the drop-down is selected
    bool in_top_dropdown = false;     // the selected item lies in the entry's own drop-down
    bool has_children = false;        // the selected item opens a sub-menu
};
enum class MenuKey { Left, Right, Other };
// The entry to switch to; nullopt when the key stays inside the drop-down
// (Left in a sub-menu, Right on an item with a sub-menu, other keys).
std::optional<int> MenuSwitchTarget(MenuKey key, int current, int count, const MenuSelection& selection);

// Whether a framework popup menu is switched to owner drawing by the skin:
// only when popup menus are skinned and its Tag modulo 100 is not the
// DisableTag.
bool PopupMenuSkinned(bool popups_skinned, int menu_tag, int disable_tag);

// The part of a popup's composed background (image_size, border included)
// that lies under an item at `item` in the popup's client area: moved by the
// border and clipped to the image. An empty rectangle when nothing is left.
Rect PopupBackgroundSource(const Rect& item, Size image_size);

// The rows of a MenuItem strip a separator of height h takes: the bottom h
// rows, or all of them when the image is not taller than h. {top, height}.
struct RowSpan {
    int top;
    int height;
};
RowSpan SeparatorRows(int image_height, int h);

}  // namespace korvane
