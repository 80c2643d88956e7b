#include "control_art.h"

#include "faces.h"
#include "glyphs.h"
#include "metrics.h"
#include "theme.h"

namespace korvane::skingen {

namespace {

using namespace metrics;

constexpr std::string_view kCheckMark[] = {
    "......#",
    ".....##",
    "#...##.",
    "##.##..",
    ".###...",
    "..#....",
};
constexpr std::string_view kIndeterminate[] = {
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
};
// The radio well: '#' edge, 'o' inside, '.' see-through.
constexpr std::string_view kRadioWell[] = {
    "....#####....",
    "..##ooooo##..",
    ".#ooooooooo#.",
    ".#ooooooooo#.",
    "#ooooooooooo#",
    "#ooooooooooo#",
    "#ooooooooooo#",
    "#ooooooooooo#",
    "#ooooooooooo#",
    ".#ooooooooo#.",
    ".#ooooooooo#.",
    "..##ooooo##..",
    "....#####....",
};
constexpr std::string_view kRadioDot[] = {
    ".###.",
    "#####",
    "#####",
    "#####",
    ".###.",
};
// Size grip: 'd' dark dots with 'w' light shadows, in the bottom-right corner.
constexpr std::string_view kSizeGrip[] = {
    "............",
    "............",
    "............",
    "..........d.",
    "..........dw",
    "...........w",
    ".......d..d.",
    ".......dw.dw",
    "........w..w",
    "....d..d..d.",
    "....dw.dw.dw",
    ".....w..w..w",
};

// The colours of a white well with a soft edge, as check boxes, radio
// buttons and troughs show it.
struct WellInk {
    Pixel edge, top, bottom;
};
WellInk well_ink(bool disabled) {
    if (disabled) return {theme::kDisabledEdge, theme::kDisabledFace, theme::kDisabledFace};
    return {theme::kWellEdge, pixel_rgb(222, 228, 246), theme::kWell};
}

void paint_well(MutableImageView v, const Corners& c, bool disabled) {
    const WellInk ink = well_ink(disabled);
    rounded_box(v, v.bounds(), c, ink.edge, ink.top, ink.bottom);
}

}  // namespace

Image draw_push_buttons() {
    static constexpr FaceState kStates[] = {FaceState::kNormal, FaceState::kPressed, FaceState::kDisabled,
                                     FaceState::kHot, FaceState::kDefault};
    return strip(kButtonWidth, kButtonHeight, 5, [](MutableImageView cell, int i) {
        paint_face(cell, face_ink(kStates[i]), Corners::all(4), kButtonTop, kButtonBottom);
    });
}

Image draw_check_glyphs() {
    // Frames: clear, checked, disabled, indeterminate.
    return strip(kGlyphCell, kGlyphCell, 4, [](MutableImageView cell, int i) {
        paint_well(cell, Corners::all(2), i == 2);
        const Rect inner = cell.bounds().shrunken(1);
        if (i == 1) stamp_centred(cell, inner, kCheckMark, theme::kInk);
        if (i == 3) stamp_centred(cell, inner, kIndeterminate, theme::kHilight);
    });
}

Image draw_radio_glyphs() {
    // Frames: clear, checked, disabled clear, disabled checked.
    return strip(kGlyphCell, kGlyphCell, 4, [](MutableImageView cell, int i) {
        const bool disabled = i >= 2;
        const WellInk ink = well_ink(disabled);
        vertical_ramp(cell, cell.bounds(), ink.top, ink.bottom);
        stamp(cell, {0, 0}, kRadioWell, [&](char c, Pixel& p) {
            p = c == '#' ? ink.edge : kKey;
            return c != 'o';
        });
        if (i % 2 == 1)
            stamp_centred(cell, cell.bounds(), kRadioDot, disabled ? theme::kDisabledInk : theme::kHilight);
    });
}

Image draw_progress() {
    // Frame 1 the empty trough, frame 2 the filled bar.
    return strip(kProgressCell, kProgressCell, 2, [](MutableImageView cell, int i) {
        if (i == 0) {
            paint_well(cell, Corners::all(4), false);
            return;
        }
        const int h = cell.height();
        rounded_box(
            cell, cell.bounds(), Corners::all(4), [](int, int) { return theme::kSelectEdge; },
            [h](int, int y) {
                const Pixel p = ramp(theme::kSelectTop, theme::kSelectBottom, y, h);
                return y < h / 2 ? mix(p, theme::kWhite, 1, 4) : p;
            });
    });
}

Image draw_progress_chunk() {
    // One block of the chunk row; the key-coloured last column parts blocks.
    Image image(kChunkWidth, kChunkHeight);
    vertical_ramp(image.mutable_view(), image.bounds(), mix(theme::kSelectTop, theme::kWhite, 1, 3),
                  theme::kSelectBottom);
    vline(image.mutable_view(), kChunkWidth - 1, 0, kChunkHeight, kKey);
    return image;
}

Image draw_group_box_edge() {
    // An etched rounded frame with a see-through middle; frame 2 disabled.
    return strip(kGroupCell, kGroupCell, 2, [](MutableImageView cell, int i) {
        fill(cell, cell.bounds(), kKey);
        const Rect outer = cell.bounds().shrunken(0, 0, 1, 1);
        rounded_edge(cell, outer.translated(1, 1), Corners::all(4), theme::kWhite);
        rounded_edge(cell, outer, Corners::all(4), i == 0 ? theme::kShadow : theme::kDisabledEdge);
    });
}

Image draw_tabs() {
    // Frames: other tabs, the current tab, disabled, hot, pressed.
    constexpr int kCurrent = 1;
    return strip(kTabWidth, kTabHeight, 5, [](MutableImageView cell, int i) {
        FaceInk ink = face_ink(kFourStates[i == 4 ? 1 : i == kCurrent ? 0 : i]);
        if (i == 0) ink = {theme::kEdgeSoft, theme::kEdgeSoft, pixel_rgb(236, 240, 252), theme::kFace,
                           theme::kFaceBottom, theme::kInk};
        if (i == kCurrent) ink.mid = ink.bottom = theme::kFace;
        paint_face(cell, ink, Corners::top(4), kTabTop + 4, kTabBottom);
        if (i == kCurrent) {
            // An indigo cap marks the current tab; it stays open at the foot
            // so that it runs into the page.
            rounded_edge(cell, cell.bounds(), Corners::top(4), theme::kEdge);
            hline(cell, 2, kTabWidth - 2, 0, theme::kHilight);
            hline(cell, 1, kTabWidth - 1, 1, theme::kSelectTop);
            hline(cell, 1, kTabWidth - 1, kTabHeight - 1, theme::kFace);
        }
    });
}

Image draw_tab_border() {
    Image image(kTabBorderWidth, kTabBorderHeight, theme::kFace);
    auto v = image.mutable_view();
    const int w = kTabBorderWidth;
    const int h = kTabBorderHeight;
    hline(v, 1, w - 1, 1, theme::kWhite);
    vline(v, 1, 1, h - 1, theme::kWhite);
    hline(v, 1, w - 1, h - 2, theme::kShadow);
    vline(v, w - 2, 1, h - 1, theme::kShadow);
    outline(v, image.bounds(), theme::kEdge);
    return image;
}

Image draw_status_edges() {
    // Frames: lowered, raised, flat.
    return strip(kStatusWidth, kStatusHeight, 3, [](MutableImageView cell, int i) {
        fill(cell, cell.bounds(), theme::kFace);
        if (i == 2) return;
        const Pixel dark = theme::kShadow;
        const Pixel light = theme::kWhite;
        const Pixel top_left = i == 0 ? dark : light;
        const Pixel bottom_right = i == 0 ? light : dark;
        hline(cell, 0, kStatusWidth, 0, top_left);
        vline(cell, 0, 0, kStatusHeight, top_left);
        hline(cell, 1, kStatusWidth, kStatusHeight - 1, bottom_right);
        vline(cell, kStatusWidth - 1, 1, kStatusHeight, bottom_right);
    });
}

Image draw_combo_button() {
    // The right end of the field: the field's edge on top, right and bottom,
    // white between it and a raised button in the four control states.
    return strip(kComboWidth, kComboHeight, 4, [](MutableImageView cell, int i) {
        const FaceState state = kFourStates[i];
        const bool disabled = state == FaceState::kDisabled;
        fill(cell, cell.bounds(), disabled ? theme::kDisabledFace : theme::kWell);
        const Pixel edge = disabled ? theme::kDisabledEdge : theme::kWellEdge;
        hline(cell, 0, kComboWidth, 0, edge);
        hline(cell, 0, kComboWidth, kComboHeight - 1, edge);
        vline(cell, kComboWidth - 1, 0, kComboHeight, edge);
        auto face = cell.sub({1, 2, kComboWidth - 2, kComboHeight - 2});
        paint_face(face, face_ink(state), Corners::all(3), 6, 4);
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                if (is_key(face.at(x, y))) face.at(x, y) = cell.at(0, 1);
    });
}

Image draw_sunk_edge() {
    // Only the first cell is read by the engine; the others give the field
    // edge its hot, pressed and disabled looks for skins that use them.
    constexpr Pixel kEdges[] = {theme::kWellEdge, theme::kHilight, theme::kEdge, theme::kDisabledEdge};
    return strip(kSunkCell, kSunkCell, 4, [&](MutableImageView cell, int i) {
        fill(cell, cell.bounds(), i == 3 ? theme::kDisabledFace : theme::kWell);
        outline(cell, cell.bounds(), kEdges[i]);
    });
}

Image draw_combo_arrows() {
    // Frames 1-4: the drop-down arrow per control state; frame 5: size grip.
    return strip(kExtraCell, kExtraCell, 5, [](MutableImageView cell, int i) {
        fill(cell, cell.bounds(), kKey);
        if (i == 4) {
            stamp(cell, {0, 0}, kSizeGrip, [](char c, Pixel& p) {
                p = c == 'd' ? theme::kDkShadow : theme::kWhite;
                return c == 'd' || c == 'w';
            });
            return;
        }
        const FaceInk ink = face_ink(kFourStates[i]);
        const int sink = kFourStates[i] == FaceState::kPressed ? 1 : 0;
        stamp_centred(cell, cell.bounds().translated(sink, sink + 1), glyphs::kArrowDown, ink.glyph);
    });
}

Image draw_header() {
    // Frames: normal, pressed, disabled, hot, sorted; frame 1 is the bar.
    return strip(kHeaderWidth, kHeaderHeight, 5, [](MutableImageView cell, int i) {
        const int w = kHeaderWidth;
        const int h = kHeaderHeight;
        const FaceInk ink = face_ink(kFourStates[i % 4]);
        vertical_ramp(cell, cell.bounds(), ink.top, ink.mid);
        hline(cell, 0, w, h - 2, i == 3 || i == 4 ? theme::kHilight : theme::kShadow);
        hline(cell, 0, w, h - 1, i == 3 || i == 4 ? theme::kHilight : theme::kEdgeSoft);
        vline(cell, w - 2, 3, h - 4, theme::kShadow);
        vline(cell, w - 1, 3, h - 4, theme::kWhite);
    });
}

Image draw_toolbar_buttons() {
    // Flat toolbar buttons: see-through when normal or disabled, a face
    // when hot, pressed or latched down.
    return strip(kToolbarCell, kToolbarCell, 5, [](MutableImageView cell, int i) {
        fill(cell, cell.bounds(), kKey);
        if (i == 0 || i == 2) return;
        const FaceState state = i == 3 ? FaceState::kHot : FaceState::kPressed;
        paint_face(cell, face_ink(state), Corners::all(3), kToolbarMargin + 3, kToolbarMargin);
    });
}

}  // namespace korvane::skingen
