#include "convert/converter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
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
using testing::read_bytes;
using testing::TempDir;
using testing::write_bytes;

std::vector<int> percents(std::size_t count) {
    std::vector<int> out;
    for (std::size_t k = 0; k < count; ++k) out.push_back(progress_percent(k, count));
    return out;
}

std::vector<int> reported(const std::string& text) {
    std::vector<int> out;
    render_text_page(TextLines(text), embedded_font_tables(), [&](int p) { out.push_back(p); });
    return out;
}

TEST(Progress, PercentagesRoundHalvesToEven) {
    EXPECT_EQ(percents(3), (std::vector<int>{0, 50, 100}));
    EXPECT_EQ(percents(10), (std::vector<int>{0, 11, 22, 33, 44, 56, 67, 78, 89, 100}));
    EXPECT_EQ(percents(9), (std::vector<int>{0, 12, 25, 38, 50, 62, 75, 88, 100}));
    EXPECT_EQ(progress_percent(1, 201), 0);   // 0.5
    EXPECT_EQ(progress_percent(3, 201), 2);   // 1.5
    EXPECT_EQ(progress_percent(5, 201), 2);   // 2.5
    EXPECT_EQ(progress_percent(1, 1), 100);
    EXPECT_EQ(progress_percent(4000000000u, 4000000001u), 100);
}

TEST(Progress, ReportedOnceAPercentageAndNeverForOneLine) {
    EXPECT_EQ(reported("a\nb\nc\n"), (std::vector<int>{0, 50, 100}));
    EXPECT_EQ(reported("only line"), std::vector<int>{});
    EXPECT_EQ(reported(""), std::vector<int>{});
    std::vector<int> all;
    for (int p = 0; p <= 100; ++p) all.push_back(p);
    EXPECT_EQ(reported(std::string(300, '\n')), all);
}

TEST(Render, PagesAreSizedByBytesAndLines) {
    FontTables fonts = embedded_font_tables();
    PageImage empty = render_text_page(TextLines(""), fonts);
    EXPECT_EQ(empty.width(), 60);
    EXPECT_EQ(empty.height(), 60);
    PageImage eof_mark = render_text_page(TextLines("\x1A" "abc\ndef"), fonts);
    EXPECT_EQ(eof_mark.width(), 60);
    EXPECT_EQ(eof_mark.height(), 60);
    PageImage wide = render_text_page(
        TextLines("\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\n"
                  "\n" "abcdefghijklmnopqrst"), fonts);
    EXPECT_EQ(wide.width(), 220);
    EXPECT_EQ(wide.height(), 120);
    EXPECT_EQ(render_text_page(TextLines("a\tb"), fonts).width(), 84);
}

TEST(Render, LineKIsDrawnAtThirtyAndKTimesTwentyPlusThirty) {
    FontTables fonts = embedded_font_tables();
    PageImage page = render_text_page(TextLines("ab\n\n\xB0\xA1x\tA"), fonts);
    PageImage expected(page_size_for(5, 3));
    PaintTextLine(fonts, "ab", 30, expected, 30);
    PaintTextLine(fonts, "\xB0\xA1x A", 30, expected, 70);
    EXPECT_TRUE(std::equal(page.bmp_rows().begin(), page.bmp_rows().end(), expected.bmp_rows().begin(),
                           expected.bmp_rows().end()));
    // The blank middle line and the margins stay white.
    for (int y = 46; y < 70; ++y)
        for (int x = 0; x < page.width(); ++x) ASSERT_FALSE(page.is_ink(x, y)) << x << "," << y;
}

TEST(Render, APageTooLargeForABmpIsRefusedBeforeDrawing) {
    // 13,421,772 empty lines: 60 x 268,435,500 pixels, 2,147,484,062 bytes of BMP.
    std::string text(13421772, '\n');
    EXPECT_EQ(message_of([&] { render_text_page(TextLines(std::move(text)), embedded_font_tables()); }),
              "The page of 60 x 268435500 pixels is too large for a BMP file");
}

TEST(ConvertFile, WritesTheBmpOfTheText) {
    TempDir dir;
    write_bytes(dir.file("in.txt"), "ab\r\ncd\n");
    FontTables fonts = embedded_font_tables();
    PageImage page = render_text_page(convert_text_file(dir.file("in.txt"), dir.file("out.bmp"), fonts), fonts);
    PageImage expected = render_text_page(TextLines("ab\ncd"), fonts);
    auto header = bmp_header(expected);
    std::string file = read_bytes(dir.file("out.bmp"));
    ASSERT_EQ(file.size(), 62u + 12 * 100);
    EXPECT_EQ(file.substr(0, 62), std::string(header.begin(), header.end()));
    EXPECT_EQ(file.substr(62), std::string(expected.bmp_rows().begin(), expected.bmp_rows().end()));
    EXPECT_EQ(page.width(), 76);
    EXPECT_EQ(page.height(), 100);
}

TEST(ConvertFile, FailuresNameTheCauseAndLeaveTheTargetAlone) {
    TempDir dir;
    FontTables fonts = embedded_font_tables();
    write_bytes(dir.file("out.bmp"), "previous");
    EXPECT_EQ(message_of([&] { convert_text_file(dir.file("missing.txt"), dir.file("out.bmp"), fonts); }),
              "File not found");
    EXPECT_EQ(read_bytes(dir.file("out.bmp")), "previous");

    write_bytes(dir.file("in.txt"), "text");
    std::string target = dir.file("no-folder/out.bmp");
    EXPECT_EQ(message_of([&] { convert_text_file(dir.file("in.txt"), target, fonts); })
                  .rfind("Cannot create file \"" + target + "\". ", 0),
              0u);
}

TEST(ReadText, ReadingStopsOnceTheLinesSoFarMakeAPageTooLarge) {
    // An endless text of "y" lines, as `yes` gives.
    std::uint64_t given = 0;
    auto endless = [&](std::span<char> buffer) {
        for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = i % 2 ? '\n' : 'y';
        given += buffer.size();
        return buffer.size();
    };
    EXPECT_EQ(message_of([&] { read_text_lines(endless, 0); }),
              "The page of at least 68 x 188743740 pixels is too large for a BMP file");
    // 68 pixels wide is 12 bytes a row, 240 a line: the bound is passed
    // after 8.9 million lines, and one more piece of reading at most.
    EXPECT_LE(given, (kMaxBmpFileSize / 240 + 1) * 2 + (1 << 20));

    // A text that ends is read whole, however its pieces fall.
    std::string text = "ab\r\ncd\r";
    std::size_t at = 0;
    auto two_bytes = [&](std::span<char> buffer) {
        std::size_t n = std::min({buffer.size(), std::size_t(2), text.size() - at});
        std::copy_n(text.data() + at, n, buffer.data());
        at += n;
        return n;
    };
    TextLines lines = read_text_lines(two_bytes, 0);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), (std::vector<std::string>{"ab"}));
}

TEST(ConvertFile, TheSourceIsNeverItsOwnTarget) {
    TempDir dir;
    write_bytes(dir.file("in.txt"), "text");
    EXPECT_EQ(message_of([&] { convert_text_file(dir.file("in.txt"), dir.file("in.txt"), embedded_font_tables()); }),
              "Cannot create file \"" + dir.file("in.txt") + "\". It is the text file being converted");
    EXPECT_EQ(read_bytes(dir.file("in.txt")), "text");
#ifndef _WIN32
    std::filesystem::create_symlink("in.txt", dir.file("link.bmp"));
    EXPECT_EQ(message_of([&] { convert_text_file(dir.file("in.txt"), dir.file("link.bmp"), embedded_font_tables()); }),
              "Cannot create file \"" + dir.file("link.bmp") + "\". It is the text file being converted");
    EXPECT_EQ(read_bytes(dir.file("in.txt")), "text");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"in.txt", "link.bmp"}));
#else
    EXPECT_EQ(dir.names(), std::vector<std::string>{"in.txt"});
#endif
}

#ifndef _WIN32
TEST(ConvertFile, ADiskFillingUpWhileStreamingKeepsThePreviousBmpWhole) {
    // 20,000 lines make a BMP of 4.8 MB written in strips; the disk is full at 2 MB.
    TempDir dir;
    write_bytes(dir.file("out.bmp"), "previous picture");
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "line\n";
    write_bytes(dir.file("in.txt"), text);
    std::vector<int> percents;
    std::string message;
    {
        testing::FileSizeLimit disk_full(2 << 20);
        message = message_of([&] {
            convert_text_file(dir.file("in.txt"), dir.file("out.bmp"), embedded_font_tables(),
                              [&](int percent) { percents.push_back(percent); });
        });
    }
    EXPECT_EQ(message, "Stream write error");
    EXPECT_EQ(read_bytes(dir.file("out.bmp")), "previous picture");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"in.txt", "out.bmp"}));
    // The failure came part-way: some lines were done, not all.
    ASSERT_FALSE(percents.empty());
    EXPECT_LT(percents.back(), 100);
}

TEST(ConvertFile, AFailedWriteKeepsThePreviousBmpWhole) {
    TempDir dir;
    write_bytes(dir.file("out.bmp"), "previous picture");
    write_bytes(dir.file("in.txt"), std::string(2000, 'x'));
    std::string message;
    {
        testing::FileSizeLimit disk_full(1000);
        message = message_of(
            [&] { convert_text_file(dir.file("in.txt"), dir.file("out.bmp"), embedded_font_tables()); });
    }
    EXPECT_EQ(message, "Stream write error");
    EXPECT_EQ(read_bytes(dir.file("out.bmp")), "previous picture");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"in.txt", "out.bmp"}));
}
#endif

}  // namespace
}  // namespace korvane
