#pragma once
// Icon and text of a tab or a header item, drawn into a DC the way both
// skinned tab strips and headers show them.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "base/geometry.h"

namespace korvane {

// align: 0 left, 1 centred, 2 right. index -1 or no image list: no icon.
// Disabled text is drawn in clBtnShadow, enabled text in the DC's colour.
void DrawImageText(HDC dc, const Rect& rect, int align, const std::wstring& text, int index, HIMAGELIST images,
                   bool enabled);

}  // namespace korvane
