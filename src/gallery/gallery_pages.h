#pragma once
// The gallery's bars and its MDI page.

#include <functional>
#include <string>

#include "framework/win/form.h"
#include "framework/win/imglist.h"

namespace korvane {

// A tool bar along the top of the form (plain, check and grouped buttons
// with images, a disabled one); gives its height.
int AddGalleryToolBar(TForm& form, TImageList* images, std::function<void(const std::string&)> report);

// A tab set, a date picker and a time picker in a row at y.
void AddGalleryTabsAndDates(TForm& form, int y, std::function<void(const std::string&)> report);

// Opens the MDI page: a frame with three children, its window menu, tile and
// cascade; gives the frame (freed when closed).
TForm* ShowGalleryMdiFrame();

}  // namespace korvane
