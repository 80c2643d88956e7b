#include "skin/controls/skin_progress.h"

#include <commctrl.h>

#include "skin/draw/blit.h"
#include "skin/draw/drawing.h"

namespace korvane {
namespace {

bool has_image(const TSkinData* data) {
    return data && data->Skin().Progress && !data->Skin().Progress->Bitmap.empty();
}

}  // namespace

bool TSkinProgress::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
            if (!has_image(SkinData)) return true;
            PaintHandler(*this, message);
            return false;
        case WM_ERASEBKGND: message.Result = 1; return false;
        default: return true;
    }
}

int TSkinProgress::FillWidth(int width) const {
    const auto position = std::int32_t(SendMessageW(Handle, PBM_GETPOS, 0, 0));
    const auto low = std::int32_t(SendMessageW(Handle, PBM_GETRANGE, TRUE, 0));
    const auto high = std::int32_t(SendMessageW(Handle, PBM_GETRANGE, FALSE, 0));
    return progress_fill_width(width, low, high, position);
}

void TSkinProgress::PaintTo(HDC dc, const Rect& rect) {
    if (!has_image(SkinData) || !Handle) return;
    const TDataSkinBorder& element = *SkinData->Skin().Progress;
    const bool chunks = element.Style == 1;
    if (chunks && element.Bitmap2.empty()) return;
    TBitmap& shared = SharedBitmap();
    shared.SetSize(rect.width(), rect.height());
    if (shared.Empty()) return;
    FillBackground(shared.Canvas().Handle(), rect);
    const Margins margins{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
    const int frames = chunks ? 1 : 2;
    GdiFlush();
    DrawNineSlice(shared.MutableView(), rect, Strip{element.Bitmap.view(), frames, false}, 1, margins,
                  element.Tile != 0, true);
    const int fill = FillWidth(rect.width());
    if (fill > 0 && !chunks) {
        DrawNineSlice(shared.MutableView(), Rect::from_size(rect.left, rect.top, fill, rect.height()),
                      Strip{element.Bitmap.view(), 2, false}, 2, margins, element.Tile != 0, true);
    } else if (fill > 0) {
        const ImageView chunk = element.Bitmap2.view();
        const int y = rect.top + (rect.height() - chunk.height()) / 2;
        const Rect row = Rect::from_size(rect.left + element.LeftWidth, y, fill, chunk.height());
        // Whole chunks side by side, cut at the end of the done part.
        Image strip(fill, chunk.height(), to_pixel(kKeyColor));
        const int count = progress_chunk_count(fill, chunk.width());
        for (int i = 0; i < count; ++i)
            StretchBlit(strip.mutable_view(), Rect::from_size(i * chunk.width(), 0, chunk.width(), chunk.height()),
                        chunk, chunk.bounds());
        DrawTransparent(shared.MutableView(), row, strip.view());
    }
    CopyToDC(dc, rect, shared);
}

}  // namespace korvane
