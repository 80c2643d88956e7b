#pragma once
// Art of the standard controls: push buttons, check and radio glyphs,
// progress bar, group box, tabs, status bar, combo box, header, toolbar.

#include "base/image.h"

namespace korvane::skingen {

Image draw_push_buttons();
Image draw_check_glyphs();
Image draw_radio_glyphs();
Image draw_progress();
Image draw_progress_chunk();
Image draw_group_box_edge();
Image draw_tabs();
Image draw_tab_border();
Image draw_status_edges();
Image draw_combo_button();
Image draw_sunk_edge();
Image draw_combo_arrows();
Image draw_header();
Image draw_toolbar_buttons();

}  // namespace korvane::skingen
