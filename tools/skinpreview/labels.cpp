#include "labels.h"

#include "convert/embedded_fonts.h"
#include "convert/glyph_painter.h"
#include "convert/page_image.h"

namespace korvane::skinpreview {

void draw_label(MutableImageView target, Point at, std::string_view text, Pixel ink) {
    if (text.empty()) return;
    // The converter draws onto a one-bit page; its ink becomes our colour.
    PageImage page(PageSize{std::uint64_t(label_width(text)), kLabelHeight});
    PaintTextLine(embedded_font_tables(), text, 0, page, 0);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.is_ink(x, y) && target.bounds().contains({at.x + x, at.y + y}))
                target.at(at.x + x, at.y + y) = ink;
}

}  // namespace korvane::skinpreview
