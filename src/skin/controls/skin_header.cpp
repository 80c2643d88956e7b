#include "skin/controls/skin_header.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/win/canvas.h"
#include "framework/win/gdi.h"
#include "skin/controls/control_skins.h"
#include "skin/controls/image_text.h"
#include "skin/draw/blit.h"
#include "skin/draw/drawing.h"

namespace korvane {
namespace {

const TDataSkinObject* header_bar(const TSkinData* data) {
    if (!data || !data->Skin().Headerbar || data->Skin().Headerbar->Bitmap.empty()) return nullptr;
    return data->Skin().Headerbar.get();
}

}  // namespace

void TSkinHeader::AttachWindow(HWND handle, TSkinData& data, TCanvas& canvas) {
    TSkinControl::AttachWindow(handle, data, canvas);
    if (Skins()) Skins()->Add(*this);
}

bool TSkinHeader::BeforeMessage(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND && header_bar(SkinData)) {
        message.Result = 1;
        return false;
    }
    return true;
}

void TSkinHeader::PaintTo(HDC dc, const Rect& rect) {
    const TDataSkinObject* bar = header_bar(SkinData);
    if (!bar || !Handle) return;
    TBitmap& work = SharedBitmap();
    work.SetSize(rect.width(), rect.height());
    if (work.Empty()) return;
    HDC target = work.Canvas().Handle();
    HGDIOBJ old_font = SelectObject(target, reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
    SetBkMode(target, TRANSPARENT);
    SetTextColor(target, ColorToRGB(bar->NormalColour2));
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, HDM_GETIMAGELIST, 0, 0));
    const int count = int(SendMessageW(Handle, HDM_GETITEMCOUNT, 0, 0));
    int right = rect.left;
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (!SendMessageW(Handle, HDM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r))) continue;
        DrawItem(target, i, from_rect(r), images);
        right = std::max(right, int(r.right));
    }
    if (right < rect.right) {
        const Rect rest{right, rect.top, rect.right, rect.bottom};
        const Margins margins{bar->LeftWidth, bar->TopHeight, bar->RightWidth, bar->BottomHeight};
        GdiFlush();
        DrawNineSlice(work.MutableView(), rest, Strip{bar->Bitmap.view(), 5, false}, 1, margins, bar->Tile != 0,
                      false);
    }
    SelectObject(target, old_font);
    CopyToDC(dc, rect, work);
}

void TSkinHeader::DrawItem(HDC dc, int index, const Rect& item, HIMAGELIST images) {
    const TDataSkinObject& bar = *header_bar(SkinData);
    wchar_t text[202] = {};
    HDITEMW hdi{};
    hdi.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    hdi.pszText = text;
    hdi.cchTextMax = 201;
    SendMessageW(Handle, HDM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&hdi));
    const Margins margins{bar.LeftWidth, bar.TopHeight, bar.RightWidth, bar.BottomHeight};
    GdiFlush();
    DrawNineSlice(SharedBitmap().MutableView(), item, Strip{bar.Bitmap.view(), 5, false}, 1, margins,
                  bar.Tile != 0, false);
    const std::wstring caption(text, wcsnlen(text, 201));
    if (caption.empty()) return;  // an item without text shows only the bar
    const int image = (hdi.fmt & (HDF_IMAGE | HDF_OWNERDRAW)) ? hdi.iImage : -1;
    const int align = (hdi.fmt & HDF_RIGHT) ? 2 : (hdi.fmt & HDF_CENTER) ? 1 : 0;
    DrawImageText(dc, item, align, caption, image, images, Enabled);
}

}  // namespace korvane
