#pragma once
// A mock desktop with two windows dressed in a skin: an inactive one behind,
// an active one in front with a menu bar, controls in their states, a status
// bar and an open drop-down menu. Composed with the engine's drawing
// utilities, following the layout rules of the form and control skinning.

#include "base/image.h"
#include "skin/data/skin_model.h"

namespace korvane::skinpreview {

Image render_mock_window(const SkinModel& skin);

}  // namespace korvane::skinpreview
