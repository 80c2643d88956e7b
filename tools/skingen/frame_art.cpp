#include "frame_art.h"

#include "metrics.h"
#include "pixel_art.h"
#include "theme.h"

namespace korvane::skingen {

namespace {

using namespace metrics;

// The colours of one frame state.
struct FrameInk {
    Pixel outline, light, body, title_top, title_bottom, seam;
};

constexpr FrameInk kActive{theme::kFrameOutline, theme::kFrameLight, theme::kFrameBody,
                           theme::kTitleTop,     theme::kTitleBottom, theme::kTitleSeam};
constexpr FrameInk kInactive{theme::kFrameOutlineOff, theme::kFrameLightOff,
                             theme::kFrameBodyOff,    theme::kTitleTopOff,
                             theme::kTitleBottomOff,  theme::kTitleSeamOff};

// Colour of row y of the title bar between the outline ring and the seam.
Pixel title_row(const FrameInk& ink, int y) {
    if (y == 0) return ink.outline;
    if (y == 1) return ink.light;
    return ramp(ink.title_top, ink.title_bottom, y - 2, kTitleHeight - 3);
}

// One frame of the left border: the title's left end with the rounded
// corner, then the rim (outline, light line, body) down to a square foot.
void paint_left_frame(MutableImageView v, const FrameInk& ink) {
    const int h = v.height();
    for (int y = 0; y < h; ++y) {
        const bool in_title = y < kTitleHeight - 1;
        const bool foot = y >= h - 2;
        for (int x = 0; x < kSideWidth; ++x) {
            Pixel p = in_title ? title_row(ink, y) : ink.body;
            if (foot) p = y == h - 1 ? ink.outline : ink.light;
            if (x == 1 && y >= 1 && y < h - 1) p = ink.light;
            if (x == 0) p = ink.outline;
            v.at(x, y) = p;
        }
    }
    // Round the top-left corner: outside the quarter circle is key colour,
    // its boundary the outline, and the ring just inside it the light line.
    const Corners corner{kCornerRadius, 0, 0, 0};
    const int size = h + kSideWidth;
    auto in = [&](int x, int y) { return inside_rounded(x, y, size, size, corner); };
    auto on_edge = [&](int x, int y) { return in(x, y) && (!in(x - 1, y) || !in(x, y - 1)); };
    for (int y = 0; y <= kCornerRadius; ++y) {
        for (int x = 0; x <= kCornerRadius; ++x) {
            if (!in(x, y))
                v.at(x, y) = kKey;
            else if (on_edge(x, y))
                v.at(x, y) = ink.outline;
            else if (on_edge(x - 1, y) || on_edge(x, y - 1))
                v.at(x, y) = ink.light;
        }
    }
}

Image frames_side_by_side(int frame_width, int height, void (*paint)(MutableImageView, const FrameInk&)) {
    Image image(frame_width * 2, height);
    paint(image.mutable_view().sub({0, 0, frame_width, height}), kActive);
    paint(image.mutable_view().sub({frame_width, 0, frame_width * 2, height}), kInactive);
    return image;
}

Image frames_stacked(int width, int frame_height, void (*paint)(MutableImageView, const FrameInk&)) {
    Image image(width, frame_height * 2);
    paint(image.mutable_view().sub({0, 0, width, frame_height}), kActive);
    paint(image.mutable_view().sub({0, frame_height, width, frame_height * 2}), kInactive);
    return image;
}

void paint_top_frame(MutableImageView v, const FrameInk& ink) {
    for (int y = 0; y < kTitleHeight; ++y)
        hline(v, 0, v.width(), y, y == kTitleHeight - 1 ? ink.seam : title_row(ink, y));
}

void paint_bottom_frame(MutableImageView v, const FrameInk& ink) {
    fill(v, v.bounds(), ink.body);
    hline(v, 0, v.width(), kBottomHeight - 2, ink.light);
    hline(v, 0, v.width(), kBottomHeight - 1, ink.outline);
}

void paint_menu_bar_frame(MutableImageView v, const FrameInk& ink) {
    const int h = v.height();
    vertical_ramp(v, v.bounds(), mix(ink.body, theme::kWhite, 1, 8), mix(ink.body, ink.outline, 1, 8));
    hline(v, 0, v.width(), 0, mix(ink.body, ink.light, 1, 2));
    hline(v, 0, v.width(), h - 1, ink.seam);
}

constexpr std::string_view kCloseGlyph[] = {
    "##....##",
    ".##..##.",
    "..####..",
    "...##...",
    "..####..",
    ".##..##.",
    "##....##",
};
constexpr std::string_view kMaxGlyph[] = {
    "#########",
    "#########",
    "#.......#",
    "#.......#",
    "#.......#",
    "#.......#",
    "#########",
};
constexpr std::string_view kMinGlyph[] = {
    ".........",
    ".........",
    ".........",
    ".........",
    ".........",
    ".#######.",
    ".#######.",
};
constexpr std::string_view kRestoreGlyph[] = {
    "...######",
    "...######",
    "...#....#",
    "######..#",
    "######..#",
    "#....####",
    "#....#...",
    "######...",
};

// Faces of a title-bar button in its four frames.
struct ButtonInk {
    Pixel edge, top, bottom, glyph;
};

enum class TitleFace { kPlain, kClose };

ButtonInk title_button_ink(TitleFace face, int frame) {
    const bool close = face == TitleFace::kClose;
    switch (frame) {
    case 1:  // pressed
        return close ? ButtonInk{theme::kCloseEdge, pixel_rgb(164, 52, 44), pixel_rgb(206, 96, 84),
                                 theme::kWhite}
                     : ButtonInk{theme::kFrameOutline, pixel_rgb(78, 92, 172), pixel_rgb(112, 128, 206),
                                 theme::kWhite};
    case 2:  // hot
        return close ? ButtonInk{theme::kCloseEdge, pixel_rgb(255, 190, 174), pixel_rgb(236, 108, 88),
                                 theme::kWhite}
                     : ButtonInk{theme::kFrameOutline, pixel_rgb(212, 224, 255), pixel_rgb(142, 162, 240),
                                 theme::kWhite};
    case 3:  // inactive window
        return {theme::kFrameOutlineOff, pixel_rgb(182, 189, 218), pixel_rgb(150, 158, 192),
                theme::kInactiveText};
    default:  // normal
        return close ? ButtonInk{theme::kCloseEdge, theme::kCloseTop, theme::kCloseBottom, theme::kWhite}
                     : ButtonInk{theme::kFrameOutline, pixel_rgb(156, 172, 236), pixel_rgb(100, 117, 198),
                                 theme::kWhite};
    }
}

// A glossy rounded button with a glyph; pressed frames sink the glyph by one
// pixel, active frames give it a drop shadow.
void paint_glass_button(MutableImageView v, const ButtonInk& ink, Pattern glyph, bool pressed,
                        bool shadow, int radius) {
    const int h = v.height();
    rounded_box(
        v, v.bounds(), Corners::all(radius), [&](int, int) { return ink.edge; },
        [&](int, int y) {
            const Pixel p = ramp(ink.top, ink.bottom, y, h);
            return y == 1 ? mix(p, theme::kWhite, 1, 2) : y < h / 2 ? mix(p, theme::kWhite, 1, 6) : p;
        });
    const Rect box = v.bounds().translated(pressed ? 1 : 0, pressed ? 1 : 0);
    if (shadow) stamp_centred(v, box.translated(1, 1), glyph, mix(ink.bottom, ink.edge, 1, 3));
    stamp_centred(v, box, glyph, ink.glyph);
}

Image title_button(TitleFace face, Pattern glyph) {
    Image image(kTitleButtonWidth * kTitleButtonFrames, kTitleButtonHeight);
    for (int f = 0; f < kTitleButtonFrames; ++f) {
        auto cell = image.mutable_view().sub(
            Rect::from_size(f * kTitleButtonWidth, 0, kTitleButtonWidth, kTitleButtonHeight));
        paint_glass_button(cell, title_button_ink(face, f), glyph, f == 1, f != 3, 4);
    }
    return image;
}

constexpr std::string_view kMdiMinGlyph[] = {
    "......",
    "......",
    "......",
    "######",
    "######",
};
constexpr std::string_view kMdiRestoreGlyph[] = {
    "..#####",
    "..#...#",
    "#####.#",
    "#...###",
    "#...#..",
    "#####..",
};
constexpr std::string_view kMdiCloseGlyph[] = {
    "##..##",
    ".####.",
    "..##..",
    ".####.",
    "##..##",
};

}  // namespace

Image draw_frame_top() {
    return frames_stacked(kTitleLeftCap + kTitleMiddle + kTitleRightCap, kTitleHeight, paint_top_frame);
}

Image draw_frame_bottom() {
    return frames_stacked(kTitleLeftCap + kTitleMiddle + kTitleRightCap, kBottomHeight,
                          paint_bottom_frame);
}

Image draw_frame_left() {
    return frames_side_by_side(kSideWidth, kSideTopPart + kSideMiddle + kSideBottomPart,
                               paint_left_frame);
}

Image draw_frame_right() {
    // The right border is the left one seen in a mirror, frame by frame.
    const Image left = draw_frame_left();
    Image image(left.width(), left.height());
    for (int f = 0; f < 2; ++f) {
        const Rect cell = Rect::from_size(f * kSideWidth, 0, kSideWidth, left.height());
        blit(image.mutable_view(), cell.top_left(), mirrored(left.view().sub(cell)));
    }
    return image;
}

Image draw_menu_bar() { return frames_stacked(kMenuBarWidth, kMenuBarHeight, paint_menu_bar_frame); }

Image draw_close_button() { return title_button(TitleFace::kClose, kCloseGlyph); }
Image draw_max_button() { return title_button(TitleFace::kPlain, kMaxGlyph); }
Image draw_min_button() { return title_button(TitleFace::kPlain, kMinGlyph); }
Image draw_restore_button() { return title_button(TitleFace::kPlain, kRestoreGlyph); }

Image draw_mdi_buttons() {
    // Twelve cells: minimise, restore and close, four frames each (normal,
    // pressed, inactive, hot).
    const Pattern glyphs[] = {kMdiMinGlyph, kMdiRestoreGlyph, kMdiCloseGlyph};
    constexpr int kInkOfFrame[] = {0, 1, 3, 2};
    Image image(kMdiCellWidth * 12, kMdiCellHeight);
    for (int b = 0; b < 3; ++b) {
        const TitleFace face = b == 2 ? TitleFace::kClose : TitleFace::kPlain;
        for (int f = 0; f < 4; ++f) {
            auto cell = image.mutable_view().sub(
                Rect::from_size((b * 4 + f) * kMdiCellWidth, 0, kMdiCellWidth, kMdiCellHeight));
            const int ink = kInkOfFrame[f];
            paint_glass_button(cell, title_button_ink(face, ink), glyphs[b], ink == 1, ink != 3, 3);
        }
    }
    return image;
}

}  // namespace korvane::skingen
