#pragma once
// The geometry of a skinned window frame, in window coordinates (origin at
// the top-left corner of the whole window): how thick the skinned borders
// are, where the client area lies under them, how the window is sized when
// the skin goes on or comes off, and where the caption text is placed.

#include "base/geometry.h"

namespace korvane {

// Widths of the skinned frame: left and right border, title strip, bottom border.
struct FrameWidths {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend constexpr bool operator==(const FrameWidths&, const FrameWidths&) = default;
};

// One frame of a border strip: the image's extent across the border divided
// by its frame count, rounded down. A count of 0 or below gives 0 (such a
// strip has no frame to draw), never a division by it.
int FrameThickness(int extent, int frame_count);

// The client rectangle of a window whose whole rectangle is `window` (any
// origin): the window minus the skinned frame and the menu bar row.
Rect SkinnedClientRect(const Rect& window, const FrameWidths& frame, int menu_bar_height);

// The window size that keeps a client area of `client` under the skinned frame.
Size SkinnedWindowSize(Size client, const FrameWidths& frame, int menu_bar_height);

// The window size that gives a skinned window's client area back its size
// under the system frame, whose extra width and height were `system_extra`.
Size UnskinnedWindowSize(Size window, const FrameWidths& frame, int menu_bar_height,
                         Size system_extra);

// The title record's placement fields.
struct CaptionStyle {
    int alignment = 0;        // 0 left (shifted by text_shift), 1 centred, 2 right
    int text_shift = 0;       // TextShift
    int text_shift_vert = 0;  // TextShiftVert
    int text_right_clip = 0;  // TextRightClip
    int back_left = 0;        // TXTBackleft: the backdrop's fixed left part
    int back_right = 0;       // TXTBackRight
};

// Where the caption's backdrop and text go in the title rectangle `title`,
// for a text whose extent is `text`. Halves round toward zero. The right
// edge never passes the title's right edge minus text_right_clip; for a
// pop-up window (dialogs, message boxes) it also stays 5 pixels left of the
// leftmost right-aligned title-bar button (`right_buttons_left`, 0: none), so
// a long caption never runs under the buttons.
Rect PlaceCaption(const Rect& title, Size text, const CaptionStyle& style, bool popup,
                  int right_buttons_left);

}  // namespace korvane
