#pragma once
// The gallery's menus: a menu bar with drop-downs, a sub-menu, checked and
// radio items, images and shortcuts, and the form's context menu.

#include <functional>
#include <string>

#include "framework/win/form.h"

namespace korvane {

// Gives the form its menu bar and context menu; `report` shows what was chosen.
void AddGalleryMenus(TForm& form, std::function<void(const std::string&)> report);

}  // namespace korvane
