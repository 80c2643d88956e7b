#include "convert/converter.h"

#include <limits>

#include "base/file_io.h"
#include "convert/bmp_writer.h"
#include "convert/glyph_painter.h"

namespace korvane {

namespace {

// count * pitch plus both margins, saturating.
std::uint64_t with_margins(std::uint64_t count, std::uint64_t pitch) {
    constexpr std::uint64_t kUnbounded = std::numeric_limits<std::uint64_t>::max();
    constexpr std::uint64_t kMargins = 2 * kPageMargin;
    return count > (kUnbounded - kMargins) / pitch ? kUnbounded : count * pitch + kMargins;
}

}  // namespace

PageSize page_size_for(std::uint64_t longest, std::uint64_t lines) {
    return {with_margins(longest, kCellWidth), with_margins(lines, kLinePitch)};
}

int progress_percent(std::size_t line, std::size_t count) {
    if (count < 2) return 100;
    std::uint64_t numerator = std::uint64_t(line) * 100, denominator = count - 1;
    std::uint64_t quotient = numerator / denominator, twice_rest = numerator % denominator * 2;
    if (twice_rest > denominator || (twice_rest == denominator && quotient % 2 == 1)) ++quotient;
    return int(quotient);
}

PageImage render_text_page(const TextLines& lines, const FontTables& fonts,
                           const ProgressCallback& progress) {
    PageImage page(page_size_for(lines.longest(), lines.count()));
    // The page bound keeps every line's top inside int.
    int y = kPageMargin;
    std::size_t k = 0;
    int shown = -1;
    for (std::string_view line : lines) {
        PaintTextLine(fonts, line, kPageMargin, page, y);
        y += kLinePitch;
        if (progress && lines.count() > 1) {
            int percent = progress_percent(k, lines.count());
            if (percent != shown) progress(shown = percent);
        }
        ++k;
    }
    return page;
}

PageImage convert_text_file(const std::string& source, const std::string& target,
                            const FontTables& fonts, const ProgressCallback& progress) {
    PageImage page = render_text_page(TextLines(read_file(source)), fonts, progress);
    save_bmp(page, target);
    return page;
}

}  // namespace korvane
