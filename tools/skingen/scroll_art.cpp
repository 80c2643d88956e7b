#include "scroll_art.h"

#include "faces.h"
#include "glyphs.h"
#include "metrics.h"
#include "theme.h"

namespace korvane::skingen {

namespace {

using namespace metrics;

using namespace glyphs;

void paint_arrow_button(MutableImageView cell, FaceState state, Pattern glyph) {
    paint_face(cell, face_ink(state), Corners::all(3), 6, 4);
    const int sink = state == FaceState::kPressed ? 1 : 0;
    stamp_centred(cell, cell.bounds().translated(sink, sink), glyph, face_ink(state).glyph);
}

// A recessed horizontal channel; frames normal, pressed, disabled, hot.
Image horizontal_track() {
    return strip(kScrollCell, kScrollCell, 4, [](MutableImageView cell, int i) {
        const FaceState state = kFourStates[i];
        const Pixel base = state == FaceState::kPressed    ? pixel_rgb(200, 210, 238)
                           : state == FaceState::kDisabled ? theme::kDisabledFace
                           : state == FaceState::kHot      ? pixel_rgb(234, 239, 252)
                                                           : theme::kTrack;
        fill(cell, cell.bounds(), base);
        hline(cell, 0, kScrollCell, 0, theme::kTrackEdge);
        hline(cell, 0, kScrollCell, 1, mix(theme::kTrackEdge, base, 1, 2));
        hline(cell, 0, kScrollCell, kScrollCell - 1, mix(base, theme::kWhite, 1, 2));
    });
}

// A rounded thumb lying along x; frames normal, dragged, hot.
Image horizontal_thumb() {
    return strip(kScrollCell, kScrollCell, kThumbFrames, [](MutableImageView cell, int i) {
        FaceInk ink{theme::kEdge, theme::kEdge, pixel_rgb(236, 240, 253), pixel_rgb(204, 214, 244),
                    pixel_rgb(176, 189, 230), theme::kInk};
        if (i == 1) ink = {theme::kSelectEdge, theme::kSelectEdge, theme::kSelectTop,
                           mix(theme::kSelectTop, theme::kSelectBottom, 1, 2), theme::kSelectBottom,
                           theme::kWhite};
        if (i == 2) ink = {theme::kHotEdge, pixel_rgb(190, 206, 252), theme::kWhite,
                           pixel_rgb(218, 228, 255), pixel_rgb(188, 204, 248), theme::kInkHot};
        paint_face(cell, ink, Corners::all(kThumbMargin), kThumbMargin + 4, kThumbMargin + 2);
    });
}

Image transposed_cells(ImageView strip_image, int cell, int cells) {
    Image out(cell * cells, cell);
    for (int i = 0; i < cells; ++i) {
        const Rect r = Rect::from_size(i * cell, 0, cell, cell);
        blit(out.mutable_view(), r.top_left(), transposed(strip_image.sub(r)));
    }
    return out;
}

}  // namespace

Image draw_scroll_arrows() {
    // Frames 1-4 left, 5-8 right, 9-12 up, 13-16 down (normal, pressed,
    // disabled, hot), 17-20 a plain face in the same states, 21-23 the face
    // of the corner square.
    const Pattern kGlyphs[] = {kArrowLeft, kArrowRight, kArrowUp, kArrowDown, {}};
    return strip(kScrollCell, kScrollCell, kScrollFrames, [&](MutableImageView cell, int i) {
        if (i >= 20) {
            fill(cell, cell.bounds(), theme::kFace);
            return;
        }
        paint_arrow_button(cell, kFourStates[i % 4], kGlyphs[i / 4]);
    });
}

Image draw_horz_track() { return horizontal_track(); }
Image draw_vert_track() { return transposed_cells(horizontal_track(), kScrollCell, 4); }
Image draw_horz_thumb() { return horizontal_thumb(); }
Image draw_vert_thumb() { return transposed_cells(horizontal_thumb(), kScrollCell, kThumbFrames); }

Image draw_spin_faces() {
    // Frames 1-4 the first half (up or left), 5-8 the second, each in the
    // states normal, pressed, disabled, hot.
    return strip(kSpinWidth, kSpinHeight, 8, [](MutableImageView cell, int i) {
        paint_face(cell, face_ink(kFourStates[i % 4]), Corners::all(3), 4, 3);
    });
}

namespace {

Image spin_glyphs(Pattern first, Pattern second) {
    return strip(kSpinGlyph, kSpinGlyph, 8, [&](MutableImageView cell, int i) {
        fill(cell, cell.bounds(), kKey);
        const FaceState state = kFourStates[i % 4];
        const int sink = state == FaceState::kPressed ? 1 : 0;
        stamp_centred(cell, cell.bounds().translated(sink, sink), i < 4 ? first : second,
                      face_ink(state).glyph);
    });
}

}  // namespace

Image draw_spin_glyphs_vert() { return spin_glyphs(kArrowUp, kArrowDown); }
Image draw_spin_glyphs_horz() { return spin_glyphs(kArrowLeft, kArrowRight); }

}  // namespace korvane::skingen
