#include "framework/win/glyph_layout.h"

namespace korvane {

namespace {

constexpr unsigned kLeft = 0, kCenter = 1, kRight = 2;

// The coordinate along the layout's axis and across it.
int& along(Point& p, bool horizontal) { return horizontal ? p.x : p.y; }
int along(Size s, bool horizontal) { return horizontal ? s.width : s.height; }
int& across(Point& p, bool horizontal) { return horizontal ? p.y : p.x; }
int across(Size s, bool horizontal) { return horizontal ? s.height : s.width; }

}  // namespace

GlyphPlacement place_glyph(Size client, Size glyph, Size text, TButtonLayout layout, int margin,
                           int spacing) {
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    Point glyph_pos, text_pos;
    across(glyph_pos, horizontal) = (across(client, horizontal) - across(glyph, horizontal) + 1) / 2;
    across(text_pos, horizontal) = (across(client, horizontal) - across(text, horizontal) + 1) / 2;

    if (text.width == 0 || glyph.width == 0) spacing = 0;
    const int room = along(client, horizontal);
    const int glyph_len = along(glyph, horizontal);
    const int text_len = along(text, horizontal);
    if (margin == -1 && spacing == -1) {
        margin = (room - (glyph_len + text_len)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (room - (glyph_len + spacing + text_len)) / 2;
    } else if (spacing == -1) {
        spacing = (room - (margin + glyph_len) - text_len) / 2;
    }

    unsigned format = kCenter;
    int& g = along(glyph_pos, horizontal);
    int& t = along(text_pos, horizontal);
    switch (layout) {
    case blGlyphLeft:
    case blGlyphTop:
        g = margin;
        t = g + glyph_len + spacing;
        format = layout == blGlyphLeft ? kLeft : kCenter;
        break;
    case blGlyphRight:
    case blGlyphBottom:
        g = room - margin - glyph_len;
        t = g - spacing - text_len;
        format = layout == blGlyphRight ? kRight : kCenter;
        break;
    }
    return {glyph_pos, Rect::from_size(text_pos.x, text_pos.y, text.width, text.height), format};
}

}  // namespace korvane
