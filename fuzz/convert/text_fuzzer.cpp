// The line reader, page sizing and glyph drawing on arbitrary text bytes.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/error.h"
#include "convert/converter.h"
#include "convert/embedded_fonts.h"
#include "convert/glyph_painter.h"

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

// Pages up to this size are drawn; larger ones are only sized.
constexpr std::uint64_t kDrawLimit = 8 << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane;
    korvane::TextLines lines(std::string(reinterpret_cast<const char*>(data), size));

    std::size_t count = 0, longest = 0, total = 0;
    for (std::string_view line : lines) {
        check(line.find_first_of("\r\n\t") == std::string_view::npos);
        longest = std::max(longest, line.size());
        total += line.size();
        ++count;
    }
    check(count == lines.count() && longest == lines.longest());
    check(total + (count ? count - 1 : 0) <= size);

    PageSize page_size = page_size_for(lines.longest(), lines.count());
    check(page_size.width == lines.longest() * 8 + 60 && page_size.height == lines.count() * 20 + 60);
    if (bmp_file_size(page_size) > kDrawLimit) return 0;

    PageImage page = render_text_page(lines, embedded_font_tables(), [](int percent) {
        check(percent >= 0 && percent <= 100);
    });
    // Drawing the same bytes anywhere, even off the page, stays inside it.
    std::string_view raw(reinterpret_cast<const char*>(data), size);
    PaintTextLine(embedded_font_tables(), raw, int(size % 97) - 48, page, int(size % 53) - 20);
    // Pad bits after the last pixel of every row stay zero.
    auto rows = page.bmp_rows();
    int pad = page.width() % 8;
    for (int y = 0; y < page.height(); ++y) {
        std::size_t row = std::size_t(y) * page.stride();
        if (pad) check((rows[row + std::size_t(page.width() / 8)] & (0xFF >> pad)) == 0);
        for (std::size_t i = std::size_t(page.width() + 7) / 8; i < page.stride(); ++i) check(rows[row + i] == 0);
    }
    return 0;
}
