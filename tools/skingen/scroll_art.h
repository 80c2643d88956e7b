#pragma once
// Art of scroll bars (arrows, tracks, thumbs) and up-down controls.

#include "base/image.h"

namespace korvane::skingen {

Image draw_scroll_arrows();
Image draw_horz_track();
Image draw_vert_track();
Image draw_horz_thumb();
Image draw_vert_thumb();
Image draw_spin_faces();
Image draw_spin_glyphs_vert();
Image draw_spin_glyphs_horz();

}  // namespace korvane::skingen
