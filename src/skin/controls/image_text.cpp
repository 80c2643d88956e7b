#include "skin/controls/image_text.h"

#include "framework/win/canvas.h"
#include "skin/draw/tab_strip.h"

namespace korvane {

void DrawImageText(HDC dc, const Rect& rect, int align, const std::wstring& text, int index, HIMAGELIST images,
                   bool enabled) {
    Size icon;
    const bool has_icon = images && index >= 0;
    if (has_icon) ImageList_GetIconSize(images, &icon.width, &icon.height);
    constexpr UINT kFormat = DT_CENTER | DT_SINGLELINE | DT_EXPANDTABS;
    Size measured;
    if (!text.empty()) {
        RECT r = to_rect(rect);
        if (has_icon) r.right += icon.width + 2;
        DrawTextW(dc, text.c_str(), int(text.size()), &r, kFormat | DT_CALCRECT | DT_NOCLIP);
        measured = {int(r.right - r.left), int(r.bottom - r.top)};
    }
    const ImageTextPlace place = image_text_place(rect, icon, measured, align);
    if (has_icon) ImageList_Draw(images, index, dc, place.icon.x, place.icon.y, ILD_TRANSPARENT);
    if (text.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    RECT r = to_rect(place.text);
    DrawTextW(dc, text.c_str(), int(text.size()), &r, kFormat);
}

}  // namespace korvane
