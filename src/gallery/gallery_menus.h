#pragma once
// The gallery's menus: a menu bar with drop-downs, a sub-menu, checked and
// radio items, images and shortcuts, and the form's context menu.

#include <functional>
#include <string>

#include "framework/win/form.h"
#include "framework/win/imglist.h"

namespace korvane {

enum GalleryImage { imgOpen, imgSave, imgCopy, imgPaste, imgAbout, kGalleryImageCount };

// The pictures the gallery's menus and tool bar show, owned by `owner`.
TImageList* MakeGalleryImages(TComponent* owner);

// Gives the form its menu bar and context menu; `report` shows what was
// chosen; `open_mdi` opens the MDI page.
void AddGalleryMenus(TForm& form, TImageList* images, std::function<void(const std::string&)> report,
                     std::function<void()> open_mdi);

}  // namespace korvane
