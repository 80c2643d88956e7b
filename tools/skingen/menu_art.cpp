#include "menu_art.h"

#include "faces.h"
#include "metrics.h"
#include "theme.h"

namespace korvane::skingen {

using namespace metrics;

Image draw_menu_items() {
    // Frame 1 normal and 3 disabled are see-through (the popup background
    // shows), 4 the selection, 5 a lighter selection; frame 2 holds the
    // separator line in its bottom rows.
    return strip(kMenuItemWidth, kMenuItemHeight, 5, [](MutableImageView cell, int i) {
        fill(cell, cell.bounds(), kKey);
        const int h = kMenuItemHeight;
        if (i == 1) {
            hline(cell, kMenuItemMargin, kMenuItemWidth - kMenuItemMargin, h - 5, theme::kShadow);
            hline(cell, kMenuItemMargin, kMenuItemWidth - kMenuItemMargin, h - 4, theme::kWhite);
        }
        if (i == 3 || i == 4) {
            const FaceInk ink = i == 3 ? FaceInk{theme::kSelectEdge, theme::kSelectEdge, theme::kSelectTop,
                                                 mix(theme::kSelectTop, theme::kSelectBottom, 1, 2),
                                                 theme::kSelectBottom, theme::kWhite}
                                       : face_ink(FaceState::kHot);
            paint_face(cell, ink, Corners::all(3), kMenuItemMargin + 4, kMenuItemMargin + 2);
        }
    });
}

Image draw_menu_background() {
    // Nine-slice with the gutter in the fixed left part.
    const int w = kMenuBorder + kMenuGutter + 4 + kMenuBorder;
    const int h = kMenuBorder * 2 + 4;
    Image image(w, h, theme::kMenuPaper);
    auto v = image.mutable_view();
    fill(v, {kMenuBorder, 1, kMenuBorder + kMenuGutter, h - 1}, theme::kMenuGutter);
    vline(v, kMenuBorder + kMenuGutter - 1, 1, h - 1, mix(theme::kMenuGutter, theme::kShadow, 1, 2));
    outline(v, image.bounds(), theme::kMenuBorder);
    return image;
}

}  // namespace korvane::skingen
