#include "convert/glyph_painter.h"

#include <cstdint>

namespace korvane {

void PaintTextLine(const FontTables& fonts, std::string_view text, int x, PageImage& page, int y) {
    std::int64_t pen = x;
    std::size_t i = 0;
    // Nothing more can land on the page once the pen is past its right edge.
    while (i < text.size() && pen < page.width()) {
        auto lead = static_cast<unsigned char>(text[i]);
        auto trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (lead >= 0x80 && trail >= 0x80) {
            std::size_t base = std::size_t(hzk16_cell(lead, trail)) * 32;
            if (base + 32 <= fonts.hzk16.size()) page.ink_glyph(pen, y, fonts.hzk16.data() + base, 2);
            pen += 16;
            i += 2;
        } else {
            std::size_t base = std::size_t(lead) * 16;
            if (base + 16 <= fonts.asc16.size()) page.ink_glyph(pen, y, fonts.asc16.data() + base, 1);
            pen += 8;
            i += 1;
        }
    }
}

}  // namespace korvane
