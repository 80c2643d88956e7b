#include "skin/draw/drawing.h"

#include <algorithm>
#include <array>

namespace korvane {
namespace {

// Skin definitions may hold any number; no bitmap is this large, and the
// bound keeps frame offsets plus margins inside an int.
constexpr int kMaxMargin = 1 << 24;

int usable_margin(int margin) { return std::clamp(margin, 0, kMaxMargin); }

// Margins that fit `size`: negative ones become 0, and a pair that does not
// fit side by side is dropped.
Margins fitted_margins(const Margins& margins, Size size) {
    Margins m{usable_margin(margins.left), usable_margin(margins.top),
              usable_margin(margins.right), usable_margin(margins.bottom)};
    if (size.width < m.left + m.right) m.left = m.right = 0;
    if (size.height < m.top + m.bottom) m.top = m.bottom = 0;
    return m;
}

struct Piece {
    Rect from;  // in the strip
    Rect to;    // in the nine-slice, (0, 0) at its top-left corner
};

constexpr std::size_t kCentre = 5;

// The nine pieces in drawing order: top-left, bottom-left, top-right, left
// edge, top edge, centre, bottom-right, right edge, bottom edge. The right
// and bottom pieces come after the centre so that they cover a tiled
// centre's overhang. A piece whose margin is 0 is empty and draws nothing.
std::array<Piece, 9> nine_slice_pieces(const Rect& f, Size size, const Margins& m) {
    const int w = size.width;
    const int h = size.height;
    return {{
        {{f.left, f.top, f.left + m.left, f.top + m.top}, {0, 0, m.left, m.top}},
        {{f.left, f.bottom - m.bottom, f.left + m.left, f.bottom}, {0, h - m.bottom, m.left, h}},
        {{f.right - m.right, f.top, f.right, f.top + m.top}, {w - m.right, 0, w, m.top}},
        {{f.left, f.top + m.top, f.left + m.left, f.bottom - m.bottom},
         {0, m.top, m.left, h - m.bottom}},
        {{f.left + m.left, f.top, f.right - m.right, f.top + m.top},
         {m.left, 0, w - m.right, m.top}},
        {{f.left + m.left, f.top + m.top, f.right - m.right, f.bottom - m.bottom},
         {m.left, m.top, w - m.right, h - m.bottom}},
        {{f.right - m.right, f.bottom - m.bottom, f.right, f.bottom},
         {w - m.right, h - m.bottom, w, h}},
        {{f.right - m.right, f.top + m.top, f.right, f.bottom - m.bottom},
         {w - m.right, m.top, w, h - m.bottom}},
        {{f.left + m.left, f.bottom - m.bottom, f.right - m.right, f.bottom},
         {m.left, h - m.bottom, w - m.right, h}},
    }};
}

// Copies a composed element to the rect, opaque or key-transparent.
void place(MutableImageView target, const Rect& rect, ImageView element, bool transparent) {
    if (transparent)
        DrawTransparent(target, rect, element);
    else
        StretchBlit(target, rect, element, element.bounds());
}

}  // namespace

void DrawStripFrame(MutableImageView target, const Rect& rect, const Strip& strip, int index,
                    bool transparent) {
    const Rect frame = FrameRect(strip, index);
    if (rect.is_empty() || frame.is_empty()) return;
    if (transparent)
        StretchBlitTransparent(target, rect, strip.image, frame);
    else
        StretchBlit(target, rect, strip.image, frame);
}

Image BuildNineSlice(Size size, const Strip& strip, int index, const Margins& margins,
                     bool tile_centre) {
    Image out(size.width, size.height);
    const Rect frame = FrameRect(strip, index);
    if (out.empty() || frame.is_empty()) return out;
    const auto pieces = nine_slice_pieces(frame, size, fitted_margins(margins, size));
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i == kCentre && tile_centre)
            TileRect(out.mutable_view(), pieces[i].to, strip.image, pieces[i].from);
        else
            StretchBlit(out.mutable_view(), pieces[i].to, strip.image, pieces[i].from);
    }
    return out;
}

void DrawNineSlice(MutableImageView target, const Rect& rect, const Strip& strip, int index,
                   const Margins& margins, bool tile_centre, bool transparent) {
    if (rect.is_empty() || FrameRect(strip, index).is_empty()) return;
    const Image element = BuildNineSlice(rect.size(), strip, index, margins, tile_centre);
    place(target, rect, element, transparent);
}

void DrawNineSliceFrame(MutableImageView target, const Rect& rect, const Strip& strip, int index,
                        const Margins& margins) {
    const Rect frame = FrameRect(strip, index);
    if (rect.is_empty() || frame.is_empty()) return;
    const auto pieces = nine_slice_pieces(frame, rect.size(), fitted_margins(margins, rect.size()));
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i == kCentre) continue;
        StretchBlit(target, pieces[i].to.translated(rect.left, rect.top), strip.image,
                    pieces[i].from);
    }
}

void DrawThreeSlice(MutableImageView target, const Rect& rect, const Strip& strip, int index,
                    const Margins& margins, bool transparent) {
    const Rect f = FrameRect(strip, index);
    if (rect.is_empty() || f.is_empty()) return;
    const int w = rect.width();
    const int h = rect.height();
    const int left = usable_margin(margins.left);
    const int right = usable_margin(margins.right);
    Image band(w, h);
    StretchBlit(band.mutable_view(), {0, 0, left, h}, strip.image,
                {f.left, f.top, f.left + left, f.bottom});
    const int middle = f.width() - left - right;
    if (middle > 0) {
        // One segment at the band's height, repeated from the left cap on.
        Image segment(middle, h);
        StretchBlit(segment.mutable_view(), segment.bounds(), strip.image,
                    {f.left + left, f.top, f.left + left + middle, f.bottom});
        TileRect(band.mutable_view(), {left, 0, w - right, h}, segment, segment.bounds());
    }
    StretchBlit(band.mutable_view(), {w - right, 0, w, h}, strip.image,
                {f.right - right, f.top, f.right, f.bottom});
    place(target, rect, band, transparent);
}

}  // namespace korvane
