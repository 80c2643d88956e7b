#pragma once
// A contact sheet of a skin: every element's image cut into its frames,
// magnified, with the key colour shown as a checkerboard.

#include "base/image.h"
#include "skin/data/skin_model.h"

namespace korvane::skinpreview {

Image render_contact_sheet(const SkinModel& skin);

}  // namespace korvane::skinpreview
