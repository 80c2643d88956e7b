#include "framework/win/buttons.h"

#include "framework/core/properties.h"

namespace korvane {

void DrawButtonContent(TCanvas& canvas, const GlyphPlacement& place, int shift, TBitmap& glyph, int num_glyphs,
                       int index, const std::string& caption, bool disabled) {
    if (!glyph.Empty()) {
        Size cell{glyph.Width() / num_glyphs, glyph.Height()};
        TBitmap piece;
        piece.SetSize(cell.width, cell.height);
        BitBlt(piece.Canvas().Handle(), 0, 0, cell.width, cell.height, glyph.Canvas().Handle(), index * cell.width,
               0, SRCCOPY);
        Color transparent = piece.Canvas().Pixel(0, cell.height - 1);
        canvas.DrawTransparent(place.glyph.x + shift, place.glyph.y + shift, piece, transparent);
    }
    canvas.Brush().SetStyle(bsClear);
    Rect text = place.text.translated(shift, shift);
    if (disabled) {
        canvas.Font().SetColor(clBtnHighlight);
        Rect engraved = text.translated(1, 1);
        canvas.DrawText(caption, engraved, DT_SINGLELINE | place.format);
        canvas.Font().SetColor(clBtnShadow);
    }
    canvas.DrawText(caption, text, DT_SINGLELINE | place.format);
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

const PropertyTable& TBitBtn::Properties() const {
    static const PropertyTable table = [this] {
        PropertyBuilder<TBitBtn> builder(TButton::Properties());
        return AddProperties(builder).build();
    }();
    return table;
}

void TBitBtn::CreateParams(TCreateParams& p) {
    TButton::CreateParams(p);
    p.style = (p.style & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW;
}

GlyphPlacement TBitBtn::Placement(Size client) {
    Size text;
    if (!Caption().empty()) text = MeasureText(Font(), Caption(), DT_SINGLELINE);
    return place_glyph(client, GlyphCell(), text, Layout(), Margin(), Spacing());
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    TCanvas canvas;
    CanvasBinding binding(canvas, item.hDC);
    canvas.Font().Assign(&Font());
    RECT face = item.rcItem;
    if (DefaultLook()) {
        // The default button's look: a window-frame line around the face.
        FrameRect(item.hDC, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&face, -1, -1);
    }
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

    Rect client = from_rect(item.rcItem);
    DrawButtonContent(canvas, Placement(client.size()), pressed ? 1 : 0, Glyph(), NumGlyphs(),
                      GlyphCellIndex(disabled, pressed, false), Caption(), disabled);
    if (item.itemState & ODS_FOCUS) canvas.DrawFocusRect(client.shrunken(3));
}

void TBitBtn::WndProc(TMessage& m) {
    if (m.Msg == CN_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        m.Result = TRUE;
        return;
    }
    TButton::WndProc(m);
}

}  // namespace korvane
