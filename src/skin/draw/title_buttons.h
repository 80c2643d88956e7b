#pragma once
// The rules of the skinned title-bar buttons: when a button is shown, where
// it goes, which frame of its strip it shows and which button a point hits.
// Rectangles are in window coordinates.

#include <cstdint>
#include <span>

#include "base/geometry.h"

namespace korvane {

// Bits of a window's caption boxes (BoxFlags).
inline constexpr std::uint8_t kMaximizeBox = 1;
inline constexpr std::uint8_t kMinimizeBox = 2;
inline constexpr std::uint8_t kSystemMenuBox = 8;

// Title-bar button actions with a meaning of their own.
inline constexpr int kActionClose = 0;
inline constexpr int kActionMaximize = 1;
inline constexpr int kActionMinimize = 2;
inline constexpr bool IsIconAction(int action) { return action == 3 || action == 11; }

// Frame kinds of a window: sizeable or edged, caption-less pop-up (never
// skinned), any other window.
inline constexpr int kFrameSizeable = 0;
inline constexpr int kFrameCaptionless = 2;
inline constexpr int kFrameOther = 3;

// The window state the visibility codes look at.
struct TitleBarState {
    bool active = true;
    bool maximised = false;
    std::uint8_t box_flags = 0;
    int frame_kind = kFrameSizeable;
    // An MDI frame whose active child is maximised.
    bool mdi_child_maximised = false;
    int menu_bar_height = 0;
};

// Both visibility codes of a button (Visibility, then Visibility1) combined,
// and the maximise and minimise actions hidden without their box.
bool IsTitleButtonVisible(int visibility, int visibility1, int action, const TitleBarState& state);

// What the placement of a button by its Align code depends on.
struct TitleBarGeometry {
    int window_width = 0;
    Rect caption;  // where the caption was placed
    int frame_top = 0;
    int frame_right = 0;
    int menu_bar_height = 0;
    int menu_bar_left = 0;  // the LeftWidth of the skin's menu-bar element, 0 without one
};

// The rectangle of a button of size `size` placed by its Align code and
// coordinates: 0 from the left edge, 1 from the right edge, 2 and 8 left of
// the caption, 3 and 9 right of it, 100 in the menu-bar row; other codes at
// the origin.
Rect PlaceTitleButton(int align, int x, int y, Size size, const TitleBarGeometry& geometry);

// The frame a full repaint shows: 1, or 4 for an inactive window when the
// strip has at least 4 frames.
int TitleButtonFrame(bool active, int frame_count);
// The frame one button shows in its mouse state (1 normal, 2 pressed, 3 hot);
// a menu-bar-row button (visibility 100) shows frame 4 when hot.
int TitleButtonStateFrame(int state, int visibility);
// Frame of a border piece: 1 while active or for a one-frame strip, else 2.
int BorderFrame(bool active, int frame_count);

// A button as hit testing sees it.
struct HitTarget {
    Rect bounds;
    bool visible = false;
    int action = 0;
};
// The first visible button with an action of 0 or more that contains the
// point, or -1 (buttons with a negative action are decoration).
int TitleButtonAt(std::span<const HitTarget> buttons, Point point);

}  // namespace korvane
