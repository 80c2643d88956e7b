// The page written strip by strip is the page drawn whole, byte for byte.

#include "convert/page_strips.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "base/file_io_testing.h"
#include "convert/bmp_writer.h"
#include "convert/embedded_fonts.h"
#include "convert/glyph_painter.h"

namespace korvane {
namespace {

using testing::message_of;

// The whole page, each line drawn at (30, k * 20 + 30).
PageImage whole_page(const TextLines& lines) {
    PageImage page(page_size_for(lines.longest(), lines.count()));
    int y = 30;
    for (std::string_view line : lines) {
        PaintTextLine(embedded_font_tables(), line, 30, page, y);
        y += 20;
    }
    return page;
}

std::string whole_page_bmp(const TextLines& lines) {
    PageImage page = whole_page(lines);
    auto header = bmp_header(page);
    return std::string(header.begin(), header.end()) + std::string(page.bmp_rows().begin(), page.bmp_rows().end());
}

std::string streamed_bmp(const TextLines& lines, std::vector<int>* percents = nullptr, int* pieces = nullptr) {
    std::string out;
    write_text_bmp(
        lines, embedded_font_tables(),
        [&](std::span<const std::uint8_t> bytes) {
            out.append(bytes.begin(), bytes.end());
            if (pieces) ++*pieces;
        },
        [&](int percent) {
            if (percents) percents->push_back(percent);
        });
    return out;
}

std::string many_lines(int count, const std::string& line) {
    std::string text;
    for (int i = 0; i < count; ++i) text += line + std::to_string(i) + "\r\n";
    return text;
}

TEST(StreamedBmp, EqualsTheWholePageForEveryKindOfText) {
    const std::vector<std::string> texts = {
        "",                                              // 60 x 60
        "A",                                             // one line
        "ab\ncdef\n\xB0\xA1\xC4\xE3 longest line last",  // longest last
        "ab\n\x1A" "cd\nef",                             // Ctrl-Z ends the text
        "ab\x1Axy\ncd",                                  // Ctrl-Z inside a line
        "ab\rcd\r\nef\r",                                // lone CRs
        "top\n\n\n\nbottom\n\n",                         // blank lines
        "a\tb\xFF\x80 \xA1",                             // tabs, stray high bytes
    };
    for (const std::string& text : texts) EXPECT_EQ(streamed_bmp(TextLines(text)), whole_page_bmp(TextLines(text))) << text;
}

TEST(StreamedBmp, LinesAcrossStripsAreDrawnInBoth) {
    // 20,000 short lines: about 4.8 MB of rows in 1 MB strips, whose edges
    // fall inside lines.
    TextLines tall(many_lines(20000, "\xB0\xA1 line "));
    int pieces = 0;
    std::string streamed = streamed_bmp(tall, nullptr, &pieces);
    EXPECT_EQ(streamed, whole_page_bmp(tall));
    EXPECT_GE(pieces, 5);

    // One line of 300,000 bytes: a row is 300 KB, so a strip holds three rows.
    std::string wide(300000, 'W');
    wide.replace(1000, 4, "\xB0\xA1\xC4\xE3");
    TextLines lines(wide + "\nx");
    pieces = 0;
    EXPECT_EQ(streamed_bmp(lines, nullptr, &pieces), whole_page_bmp(lines));
    EXPECT_EQ(pieces, 1 + (100 + 2) / 3);  // the header, then strips of three rows
}

TEST(StreamedBmp, ProgressIsTheWholePagesPercentagesInOrder) {
    for (int count : {1, 2, 3, 10, 300, 20000}) {
        TextLines lines(many_lines(count, "x"));
        std::vector<int> whole, streamed;
        render_text_page(lines, embedded_font_tables(), [&](int percent) { whole.push_back(percent); });
        streamed_bmp(lines, &streamed);
        EXPECT_EQ(streamed, whole) << count << " lines";
        EXPECT_EQ(streamed.size(), count > 1 ? std::size_t(std::min(count, 101)) : 0u) << count << " lines";
    }
}

TEST(StreamedBmp, APageTooLargeIsRefusedBeforeAnyByteIsWritten) {
    // 13,421,772 empty lines: 60 x 268,435,500 pixels, 2,147,484,062 bytes of BMP.
    TextLines lines(std::string(13421772, '\n'));
    int pieces = 0;
    EXPECT_EQ(message_of([&] { streamed_bmp(lines, nullptr, &pieces); }),
              "The page of 60 x 268435500 pixels is too large for a BMP file");
    EXPECT_EQ(pieces, 0);
}

TEST(Strips, TopDownStripsAreThePagesRowsFromTheTop) {
    TextLines lines(many_lines(9000, "\xB0\xA1 top down "));
    PageImage page = whole_page(lines);
    int y = 0;
    render_text_strips(lines, embedded_font_tables(), RowOrder::top_down, [&](const PageImage& strip, int count) {
        ASSERT_EQ(strip.width(), page.width());
        for (int r = 0; r < count; ++r, ++y) {
            auto got = strip.row_bytes(r), want = page.row_bytes(y);
            ASSERT_TRUE(std::equal(got.begin(), got.end(), want.begin(), want.end())) << "row " << y;
        }
    });
    EXPECT_EQ(y, page.height());
}

}  // namespace
}  // namespace korvane
