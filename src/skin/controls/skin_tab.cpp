#include "skin/controls/skin_tab.h"

#include <commctrl.h>

#include <cstring>

#include "framework/win/canvas.h"
#include "framework/win/gdi.h"
#include "framework/win/graphics.h"
#include "skin/controls/control_skins.h"
#include "skin/controls/image_text.h"
#include "skin/controls/skin_up_down.h"
#include "skin/draw/drawing.h"
#include "skin/draw/transform.h"

namespace korvane {
namespace {

const TDataSkinBorder* tabs_of(const TSkinData* data) {
    if (!data || !data->Skin().Tabs || data->Skin().Tabs->Bitmap.empty()) return nullptr;
    return data->Skin().Tabs.get();
}

// Copies the image into the bitmap, resized to it.
void image_to_bitmap(const Image& image, TBitmap& bitmap) {
    bitmap.SetSize(image.width(), image.height());
    if (bitmap.Empty()) return;
    GdiFlush();
    const MutableImageView target = bitmap.MutableView();
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(&target.at(0, y), &image.view().at(0, y), sizeof(Pixel) * std::size_t(image.width()));
}

Image bitmap_to_image(TBitmap& bitmap) {
    GdiFlush();
    const ImageView view = bitmap.View();
    Image image(view.width(), view.height());
    for (int y = 0; y < view.height(); ++y)
        std::memcpy(&image.at(0, y), &view.at(0, y), sizeof(Pixel) * std::size_t(view.width()));
    return image;
}

}  // namespace

void TSkinTab::AttachWindow(HWND handle, TSkinData& data, TCanvas& canvas) {
    TSkinControl::AttachWindow(handle, data, canvas);
    ReadWindowFlags();
    Refresh();
    FindUpDown();
}

void TSkinTab::Refresh() {
    if (!Handle) return;
    Orientation = tab_orientation(std::uint32_t(GetWindowLongW(Handle, GWL_STYLE)));
    const TDataSkinBorder* tabs = tabs_of(SkinData);
    if (!tabs || tabs->Bitmap2.empty()) {
        TabImage = Image();
        BorderImage = Image();
        return;
    }
    TabImage = tabs->Bitmap;
    BorderImage = tabs->Bitmap2;
    switch (Orientation) {
        case TabOrientation::Bottom:
            FlipVertical(TabImage.mutable_view());
            FlipVertical(BorderImage.mutable_view());
            break;
        case TabOrientation::Left: RotateLeft(BorderImage); break;
        case TabOrientation::Right: RotateRight(BorderImage); break;
        case TabOrientation::Top: break;
    }
}

bool TSkinTab::FindUpDown() {
    HWND arrows = FindWindowExA(Handle, nullptr, "msctls_updown32", nullptr);
    if (!arrows) return false;
    if (!UpDown && Skins() && SkinData) {
        UpDown = new TSkinUpDown(Skins());
        UpDown->AttachWindow(arrows, *SkinData, *Canvas);
        Skins()->Add(*UpDown);
    }
    return GetWindowLongW(arrows, GWL_STYLE) & WS_VISIBLE;
}

void TSkinTab::PaintTo(HDC dc, const Rect& rect) {
    const TDataSkinBorder* tabs = tabs_of(SkinData);
    if (!tabs || !Handle || TabImage.empty()) return;
    RECT adjusted = to_rect(rect);
    SendMessageW(Handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&adjusted));
    const Rect display = tab_display_frame(from_rect(adjusted));
    const Rect area = tab_strip_area(Orientation, rect, display);
    const Size size = tab_strip_size(Orientation, area);
    if (size.width > 0 && size.height > 0 && size.width <= 10000 && size.height <= 10000) {
        DrawTabs(rect, display, size);
        CopyStrip(dc, area);
    }
    if (BorderImage.empty()) return;
    TBitmap& work = SharedBitmap();
    work.SetSize(rect.width(), rect.height());
    if (work.Empty()) return;
    BitBlt(work.Canvas().Handle(), 0, 0, rect.width(), rect.height(), dc, 0, 0, SRCCOPY);
    GdiFlush();
    DrawNineSliceFrame(work.MutableView(), display, Strip{BorderImage.view(), 1, false}, 1, Margins{4, 5, 4, 4});
    // Only the frame goes back: the display area keeps what the control drew.
    const Rect pieces[] = {{display.left, display.top, display.right, display.top + 5},
                           {display.left, display.bottom - 4, display.right, display.bottom},
                           {display.left, display.top, display.left + 4, display.bottom},
                           {display.right - 4, display.top, display.right, display.bottom}};
    for (const Rect& piece : pieces)
        BitBlt(dc, piece.left, piece.top, piece.width(), piece.height(), work.Canvas().Handle(), piece.left,
               piece.top, SRCCOPY);
}

void TSkinTab::DrawTabs(const Rect& rect, const Rect& display, Size size) {
    const TDataSkinBorder& tabs = *tabs_of(SkinData);
    TabStrip.SetSize(size.width, size.height);
    if (TabStrip.Empty()) return;
    HDC strip = TabStrip.Canvas().Handle();
    FillBackground(strip, {0, 0, size.width, size.height});
    HGDIOBJ old_font = SelectObject(strip, reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
    const int count = int(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0));
    const int focus = int(SendMessageW(Handle, TCM_GETCURFOCUS, 0, 0));
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
    const Margins margins{tabs.LeftWidth, tabs.TopHeight, tabs.RightWidth, tabs.BottomHeight};
    for (int i = 0; i < count; ++i) {
        wchar_t text[81] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
        item.pszText = text;
        item.cchTextMax = 80;
        SendMessageW(Handle, TCM_GETITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
        RECT r{};
        if (!SendMessageW(Handle, TCM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r))) continue;
        const Rect place = tab_in_strip(Orientation, from_rect(r), rect, display, size.width);
        const int frame = i == focus ? 2 : 1;
        GdiFlush();
        DrawNineSlice(TabStrip.MutableView(), place, Strip{TabImage.view(), 5, false}, frame, margins,
                      tabs.Tile != 0, tabs.Trans != 0);
        SetTextColor(strip, ColorToRGB(frame == 2 ? tabs.MouseOverColour2 : tabs.NormalColour2));
        DrawImageText(strip, place, 1, std::wstring(text, wcsnlen(text, 80)), item.iImage, images, Enabled);
    }
    SelectObject(strip, old_font);
}

void TSkinTab::CopyStrip(HDC dc, const Rect& area) {
    TBitmap* source = &TabStrip;
    if (Orientation == TabOrientation::Left || Orientation == TabOrientation::Right) {
        Image turned = bitmap_to_image(TabStrip);
        if (Orientation == TabOrientation::Left)
            RotateLeft(turned);
        else
            RotateRight(turned);
        image_to_bitmap(turned, SharedBitmap());
        source = &SharedBitmap();
    }
    if (source->Empty()) return;
    // The tab control's scroll arrows are never painted over.
    const bool arrows = FindUpDown();
    RECT arrows_rect{};
    const int saved = SaveDC(dc);
    if (arrows) {
        HWND up_down = FindWindowExA(Handle, nullptr, "msctls_updown32", nullptr);
        GetWindowRect(up_down, &arrows_rect);
        MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&arrows_rect), 2);
        ExcludeClipRect(dc, arrows_rect.left, arrows_rect.top, arrows_rect.right, arrows_rect.bottom);
    }
    BitBlt(dc, area.left, area.top, area.width(), area.height(), source->Canvas().Handle(), 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
}

}  // namespace korvane
