#pragma once
// Art of the window frame: the four borders (frame 1 active, frame 2
// inactive), the title-bar buttons, the menu bar and the buttons of a
// maximised MDI child.

#include "base/image.h"

namespace korvane::skingen {

Image draw_frame_top();
Image draw_frame_bottom();
Image draw_frame_left();
Image draw_frame_right();
Image draw_menu_bar();

Image draw_close_button();
Image draw_max_button();
Image draw_min_button();
Image draw_restore_button();
Image draw_mdi_buttons();

}  // namespace korvane::skingen
