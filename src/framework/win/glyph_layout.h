#pragma once
// Where a button puts its glyph and its caption. Pure geometry, shared by the
// framework's own bitmap button and by anything that paints one differently.

#include <string_view>

#include "base/geometry.h"

namespace korvane {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// Member names of TButtonLayout in stored layouts.
inline constexpr std::string_view kButtonLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};

struct GlyphPlacement {
    Point glyph;      // top-left of the glyph cell
    Rect text;        // where the caption is drawn
    unsigned format;  // DT_LEFT (0), DT_CENTER (1) or DT_RIGHT (2) for the caption
};

// client: the button's client size; glyph: one cell of the glyph strip (0, 0
// without a glyph); text: the measured caption (0, 0 when empty). A margin or
// spacing of -1 means "centre": margin and spacing split the free room.
// Divisions truncate toward zero.
GlyphPlacement place_glyph(Size client, Size glyph, Size text, TButtonLayout layout, int margin,
                           int spacing);

}  // namespace korvane
