#include "skin/controls/skin_tab31.h"

#include <vector>

#include "framework/win/graphics.h"
#include "framework/win/tab_layout.h"
#include "framework/win/tabset.h"
#include "skin/controls/control_skins.h"
#include "skin/controls/skin_up_down.h"
#include "skin/draw/drawing.h"
#include "skin/draw/transform.h"

namespace korvane {

void TSkinTab31::AttachControl(TWinControl& control, TSkinData& data, bool recolour, TCanvas& canvas) {
    TSkinControl::AttachControl(control, data, recolour, canvas);
    Refresh();
    Scroller = control.ComponentCount() > 0 ? dynamic_cast<TTabScroller*>(control.Components(0)) : nullptr;
    if (!Scroller || !Skins()) return;
    UpDown = new TSkinUpDown(Skins());
    UpDown->Horizontal = 1;
    UpDown->AttachWindow(Scroller->Handle(), data, canvas);
    // Listed, so that it is detached with the rest.
    Skins()->Add(*UpDown);
}

void TSkinTab31::Refresh() {
    TabImage = Image();
    if (!SkinData || !SkinData->Skin().Tabs || SkinData->Skin().Tabs->Bitmap.empty()) return;
    TabImage = SkinData->Skin().Tabs->Bitmap;
    FlipVertical(TabImage.mutable_view());
}

bool TSkinTab31::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
            // The tab set still paints (nothing: the update area is gone) and
            // the skin is painted once more after it.
            PaintHandler(*this, message);
            return true;
        case WM_ERASEBKGND: message.Result = 1; return false;
        default: return true;
    }
}

void TSkinTab31::PaintTo(HDC dc, const Rect& rect) {
    auto* tab_set = dynamic_cast<TTabSet*>(HookedControl());
    if (!tab_set || !SkinData || !SkinData->Skin().Tabs || TabImage.empty() || rect.is_empty()) return;
    const TDataSkinBorder& tabs = *SkinData->Skin().Tabs;
    TBitmap work;
    work.SetSize(rect.width(), rect.height());
    if (work.Empty()) return;
    TCanvas& canvas = work.Canvas();
    FillBackground(canvas.Handle(), rect);
    canvas.Font().Assign(&tab_set->Font());
    std::vector<int> widths;
    for (int i = 0; i < tab_set->Tabs().Count(); ++i) widths.push_back(canvas.TextWidth(tab_set->Tabs().Strings(i)));
    const bool scroller_shown = Scroller && Scroller->Visible();
    const Margins margins{tabs.LeftWidth, tabs.TopHeight, tabs.RightWidth, tabs.BottomHeight};
    for (const TabPlace& place : place_tabs(widths, tab_set->FirstIndex(), tab_set->StartMargin(),
                                            rect.right - tab_set->EndMargin(), scroller_shown)) {
        const Rect tab{place.left, 0, place.right, rect.bottom};
        const int frame = place.index == tab_set->TabIndex() ? 2 : 1;
        GdiFlush();
        DrawNineSlice(work.MutableView(), tab, Strip{TabImage.view(), 5, false}, frame, margins, tabs.Tile != 0,
                      tabs.Trans != 0);
        SetTextColor(canvas.Handle(), ColorToRGB(frame == 2 ? tabs.MouseOverColour2 : tabs.NormalColour2));
        DrawCaption(canvas, tab, kCaptionCenter, Enabled, tab_set->Tabs().Strings(place.index));
    }
    CopyToDC(dc, rect, work);
}

}  // namespace korvane
