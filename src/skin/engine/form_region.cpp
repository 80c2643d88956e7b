// TWinSkinForm: the window's shape from the transparent pixels of the borders.
#include "skin/draw/drawing.h"
#include "skin/draw/region.h"
#include "skin/engine/region_win.h"
#include "skin/engine/win_skin_form.h"

namespace korvane {
namespace {

UniqueGdi<HRGN> rect_region(const Rect& r) { return UniqueGdi<HRGN>(CreateRectRgn(r.left, r.top, r.right, r.bottom)); }

void add(HRGN into, const UniqueGdi<HRGN>& part) {
    if (part) CombineRgn(into, into, part.get(), RGN_OR);
}

}  // namespace

void TWinSkinForm::UpdateRegion() {
    if (!SkinData || SkinData->Empty() || !IsWindow(Handle)) return;
    const Size size = [this] {
        RECT r{};
        GetWindowRect(Handle, &r);
        return Size{r.right - r.left, r.bottom - r.top};
    }();
    const int w = size.width, h = size.height;
    if (w <= 0 || h <= 0) return;
    if (MdiKind == mkChild && WindowState != wsNormal) return;
    if (w == RegionWidth && h == RegionHeight && MdiKind != mkChild && PaintState != psReapplying) return;

    const SkinModel& skin = SkinData->Skin();
    const bool any_transparent = skin.BorderLeft.Trans || skin.BorderRight.Trans || skin.BorderTop.Trans ||
                                 skin.BorderBottom.Trans;
    UniqueGdi<HRGN> region;
    if (!any_transparent) {
        region = rect_region({0, 0, w, h});
    } else {
        RegionWidth = w;
        RegionHeight = h;
        region = rect_region({FrameLeft, FrameTop, w - FrameRight, h - FrameBottom});
        if (!region) return;
        if (FrameKind != kFrameCaptionless) {
            // One border piece as a shape: its non-key pixels, placed at `at`.
            auto shape = [&](int index, Size piece, Point at) {
                const TDataSkinBorder& record = BorderRecord(index);
                const Strip strip{record.Bitmap.view(), record.Frame, index >= 3};
                const Image image = BuildNineSlice(piece, strip, BorderFrame(Active, record.Frame),
                                                   {record.LeftWidth, record.TopHeight, record.RightWidth,
                                                    record.BottomHeight},
                                                   record.Tile != 1);
                return CreateRegion(RegionFromBitmap(image, at));
            };
            const Rect left{0, 0, FrameLeft, h}, right{w - FrameRight, 0, w, h};
            const Rect bottom{FrameLeft, h - FrameBottom, w - FrameRight, h}, top{FrameLeft, 0, w - FrameRight, FrameTop};
            add(region.get(), skin.BorderLeft.Trans == 1 && h > 1 ? shape(1, left.size(), {0, 0}) : rect_region(left));
            add(region.get(), skin.BorderRight.Trans == 1 && h > 1 ? shape(2, right.size(), {right.left, 0})
                                                                    : rect_region(right));
            add(region.get(), skin.BorderBottom.Trans == 1 && FrameBottom >= 2
                                  ? shape(4, bottom.size(), {bottom.left, bottom.top})
                                  : rect_region(bottom));
            if (skin.BorderTop.Trans == 1 && FrameTop > 1 && top.width() > 0) {
                if (!TitleCache.Empty() && TitleCache.Width() == w && TitleCache.Height() == FrameTop) {
                    // The composed strip: the caption backdrop and buttons count too.
                    const ImageView strip = TitleCache.View();
                    add(region.get(), CreateRegion(RegionFromBitmap(
                                          strip.sub(top), {top.left, 0})));
                } else {
                    add(region.get(), shape(3, top.size(), {top.left, 0}));
                }
            } else {
                add(region.get(), rect_region(top));
            }
        }
    }
    if (!region) return;
    // The system owns the region once it is set; this object keeps a copy to
    // know what is in force.
    UniqueGdi<HRGN> kept(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(kept.get(), region.get(), nullptr, RGN_COPY);
    if (SetWindowRgn(Handle, region.get(), TRUE)) region.release();
    Region = std::move(kept);
    RegionSet = true;
}

void TWinSkinForm::DropRegion() {
    if (!RegionSet) return;
    TitleCache.SetSize(0, 0);
    Region.reset();
    SetWindowRgn(Handle, nullptr, FALSE);
    RegionSet = false;
}

}  // namespace korvane
