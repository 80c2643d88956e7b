#include "convert/page_strips.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "convert/glyph_painter.h"
#include "convert/strip_writer.h"

namespace korvane {
namespace {

// Floor division, for rows above a line's top.
std::int64_t floor_div(std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The lines whose glyph rows meet the page rows [top, top + count): from
// first to last, both included (empty when last < first).
struct LineRange {
    std::int64_t first, last;
};
LineRange lines_meeting(std::int64_t top, std::int64_t count, std::int64_t lines) {
    std::int64_t first = std::max<std::int64_t>(0, floor_div(top - kPageMargin - kGlyphHeight, kLinePitch) + 1);
    std::int64_t last = std::min(lines - 1, floor_div(top + count - 1 - kPageMargin, kLinePitch));
    return {first, last};
}

// Lines wholly drawn once the page rows [top, top + count) are.
std::int64_t lines_done(RowOrder order, std::int64_t top, std::int64_t count, std::int64_t lines) {
    if (order == RowOrder::bottom_up) {
        // Lines whose top row is at or below `top`.
        std::int64_t first = std::max<std::int64_t>(0, floor_div(top - kPageMargin + kLinePitch - 1, kLinePitch));
        return std::max<std::int64_t>(0, lines - first);
    }
    std::int64_t last = floor_div(top + count - kPageMargin - kGlyphHeight, kLinePitch);
    return std::clamp<std::int64_t>(last + 1, 0, lines);
}

// Reports the percentage of every line drawn so far, each percentage once,
// in the order a page drawn line by line reports them.
class Progress {
public:
    Progress(const ProgressCallback& callback, std::size_t lines) : callback_(callback), lines_(lines) {}
    // The first `to` lines are drawn.
    void lines_drawn(std::size_t to) {
        if (!callback_ || lines_ < 2) return;
        for (; done_ < to; ++done_) {
            int percent = progress_percent(done_, lines_);
            if (percent != shown_) callback_(shown_ = percent);
        }
    }

private:
    const ProgressCallback& callback_;
    std::size_t lines_;
    std::size_t done_ = 0;
    int shown_ = -1;
};

// Walks the lines in the order the strips meet them, each strip drawing the
// lines that reach into it; a line across two strips is drawn in both.
// The strips (one, or two used in turn) are as wide as the page and at most
// as high.
template <class Order>
void draw_strips(Order order, const LineSpan& lines, const FontTables& fonts, RowOrder rows,
                 std::span<PageImage> strips, const StripSink& sink, const ProgressCallback& progress) {
    const auto height = std::int64_t(page_size_for(lines.longest(), lines.count()).height);
    const auto count = std::int64_t(lines.count());
    const std::int64_t strip_rows = strips[0].height();
    Progress reported(progress, lines.count());

    auto next = order.begin(lines);  // the first line the coming strips may meet
    std::int64_t next_k = order.first_index(count);
    // Where each strip has ink from its last use: only there must it be made
    // white again, which spares whitening every row of a large page.
    std::vector<Rect> inked_areas[2];
    for (std::int64_t done = 0, n = 0; done < height; done += strip_rows, ++n) {
        PageImage& strip = strips[std::size_t(n) % strips.size()];
        std::vector<Rect>& inked = inked_areas[std::size_t(n) % strips.size()];
        const std::int64_t rows_here = std::min(strip_rows, height - done);
        const std::int64_t top = rows == RowOrder::bottom_up ? height - done - rows_here : done;
        for (const Rect& area : inked) strip.whiten(area);
        inked.clear();
        LineRange meeting = lines_meeting(top, rows_here, count);
        while (next != order.end(lines) && !order.reaches(next_k, meeting)) {
            ++next;
            next_k = order.step(next_k);
        }
        auto line = next;
        for (std::int64_t k = next_k; line != order.end(lines) && k >= meeting.first && k <= meeting.last;
             ++line, k = order.step(k)) {
            const int y = int(line_top(k) - top);
            PaintTextLine(fonts, *line, kPageMargin, strip, y);
            // The page is as wide as the longest line, so this stays within int.
            inked.push_back(Rect::from_size(kPageMargin, y, kCellWidth * int((*line).size()), kGlyphHeight));
        }
        sink(strip, int(rows_here));
        reported.lines_drawn(std::size_t(lines_done(rows, top, rows_here, count)));
    }
}

// First line to last, for strips from the top down.
struct Forwards {
    auto begin(const LineSpan& lines) const { return lines.begin(); }
    auto end(const LineSpan& lines) const { return lines.end(); }
    std::int64_t first_index(std::int64_t) const { return 0; }
    std::int64_t step(std::int64_t k) const { return k + 1; }
    // False for a line wholly above the strip: later strips lie lower still.
    bool reaches(std::int64_t k, LineRange meeting) const { return k >= meeting.first; }
};

// Last line to first, for strips from the bottom up.
struct Backwards {
    auto begin(const LineSpan& lines) const { return lines.rbegin(); }
    auto end(const LineSpan& lines) const { return lines.rend(); }
    std::int64_t first_index(std::int64_t count) const { return count - 1; }
    std::int64_t step(std::int64_t k) const { return k - 1; }
    bool reaches(std::int64_t k, LineRange meeting) const { return k <= meeting.last; }
};

}  // namespace

void render_text_strips(const LineSpan& lines, const FontTables& fonts, RowOrder order,
                        const StripSink& sink, const ProgressCallback& progress) {
    const PageSize size = page_size_for(lines.longest(), lines.count());
    check_page_size(size);
    auto rows = std::clamp<std::uint64_t>(kStripBytes / row_stride(size.width), 1, size.height);
    auto draw = [&](std::span<PageImage> strips, const StripSink& to) {
        if (order == RowOrder::bottom_up) draw_strips(Backwards{}, lines, fonts, order, strips, to, progress);
        else draw_strips(Forwards{}, lines, fonts, order, strips, to, progress);
    };
    if (rows == size.height) {
        PageImage strip(PageSize{size.width, rows});
        draw(std::span(&strip, 1), sink);
        return;
    }
    // One strip is drawn while the other is written.
    PageImage strips[2] = {PageImage(PageSize{size.width, rows}), PageImage(PageSize{size.width, rows})};
    StripWriter writer(sink);
    draw(strips, [&](const PageImage& strip, int count) { writer.hand(strip, count); });
    writer.finish();
}

PageImage render_text_page(const LineSpan& lines, const FontTables& fonts, const ProgressCallback& progress) {
    // The page is its own one strip.
    PageImage page(page_size_for(lines.longest(), lines.count()));
    draw_strips(Forwards{}, lines, fonts, RowOrder::top_down, std::span(&page, 1), [](const PageImage&, int) {},
                progress);
    return page;
}

}  // namespace korvane
