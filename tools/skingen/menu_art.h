#pragma once
// Art of popup menus: the item strip and the popup background with its
// border and check-mark gutter.

#include "base/image.h"

namespace korvane::skingen {

Image draw_menu_items();
Image draw_menu_background();

}  // namespace korvane::skingen
