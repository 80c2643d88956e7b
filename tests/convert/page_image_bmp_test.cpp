#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "base/error.h"
#include "convert/bmp_writer.h"
#include "convert/converter.h"
#include "convert/page_image.h"

namespace korvane {
namespace {

std::vector<std::uint8_t> bmp_bytes(const PageImage& page) {
    auto header = bmp_header(page);
    auto rows = page.bmp_rows();
    std::vector<std::uint8_t> out(header.size() + rows.size());
    std::copy(rows.begin(), rows.end(), std::copy(header.begin(), header.end(), out.begin()));
    return out;
}

std::vector<std::uint8_t> repeated_row(std::vector<std::uint8_t> row, int times) {
    std::vector<std::uint8_t> out;
    for (int i = 0; i < times; ++i) out.insert(out.end(), row.begin(), row.end());
    return out;
}

TEST(PageGeometry, WidthCountsBytesAndHeightLines) {
    EXPECT_EQ(page_size_for(0, 0), (PageSize{60, 60}));
    EXPECT_EQ(page_size_for(1, 1), (PageSize{68, 80}));
    EXPECT_EQ(page_size_for(10, 3), (PageSize{140, 120}));
    EXPECT_EQ(page_size_for(20, 2), (PageSize{220, 100}));
    EXPECT_EQ(page_size_for(UINT64_MAX, UINT64_MAX / 10), (PageSize{UINT64_MAX, UINT64_MAX}));
    EXPECT_EQ(bmp_file_size({60, 60}), 542u);
    EXPECT_EQ(bmp_file_size({UINT64_MAX, 1}), UINT64_MAX);
    EXPECT_EQ(bmp_file_size({64, UINT64_MAX}), UINT64_MAX);
}

TEST(PageBmp, AnEmptyPageIsWhiteWithFourZeroPadBitsARow) {
    PageImage page(page_size_for(0, 0));
    std::vector<std::uint8_t> expected = {
        'B', 'M', 0x1E, 0x02, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,          // file header: 542 bytes
        40, 0, 0, 0, 60, 0, 0, 0, 60, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0,  // 60 x 60, 1 plane, 1 bit
        0xE0, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,  // 480 bytes, 2 colours
        0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};                             // black, white
    auto rows = repeated_row({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0}, 60);
    expected.insert(expected.end(), rows.begin(), rows.end());
    EXPECT_EQ(bmp_bytes(page), expected);
}

TEST(PageBmp, SizesOfTheSmallPages) {
    PageImage one_byte(page_size_for(1, 1));
    EXPECT_EQ(one_byte.stride(), 12u);
    auto bytes = bmp_bytes(one_byte);
    ASSERT_EQ(bytes.size(), 1022u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 62, bytes.begin() + 74),
              (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0, 0, 0}));

    PageImage three_lines(page_size_for(10, 3));
    auto header = bmp_header(three_lines);
    EXPECT_EQ(three_lines.stride(), 20u);
    EXPECT_EQ(header[2] | header[3] << 8, 2462);
    EXPECT_EQ(header[34] | header[35] << 8, 2400);
    EXPECT_EQ(header[18], 140);
    EXPECT_EQ(header[22], 120);
}

TEST(PageBmp, RowsAreStoredBottomUpMostSignificantBitLeftmost) {
    PageImage page(page_size_for(0, 0));
    page.ink_run(0, 0, 0x80000000u);
    page.ink_run(9, 59, 0x80000000u);
    auto rows = page.bmp_rows();
    EXPECT_EQ(rows[59 * 8], 0x7F);      // (0, 0): top row, stored last
    EXPECT_EQ(rows[1], 0xBF);           // (9, 59): bottom row, stored first
    EXPECT_TRUE(page.is_ink(0, 0));
    EXPECT_TRUE(page.is_ink(9, 59));
    EXPECT_FALSE(page.is_ink(1, 0));
}

TEST(PageImage, RunsAreClippedToThePageAndNeverTouchPadBits) {
    PageImage page(page_size_for(0, 0));  // 60 wide: pixels 56..59 in byte 7, then pad
    page.ink_run(-3, 10, 0xFFFF0000u);    // pixels -3..12
    page.ink_run(50, 11, 0xFFFFFFFFu);    // pixels 50..81
    page.ink_run(-40, 12, 0xFFFFFFFFu);   // entirely left of the page
    page.ink_run(60, 13, 0xFFFFFFFFu);    // entirely right of it
    page.ink_run(0, -1, 0xFFFFFFFFu);
    page.ink_run(0, 60, 0xFFFFFFFFu);
    page.ink_run(INT64_MIN, 14, 0xFFFFFFFFu);
    page.ink_run(INT64_MAX, 14, 0xFFFFFFFFu);
    auto row = [&](int y) {
        auto rows = page.bmp_rows();
        std::size_t at = std::size_t(59 - y) * 8;
        return std::vector<std::uint8_t>(rows.begin() + long(at), rows.begin() + long(at) + 8);
    };
    EXPECT_EQ(row(10), (std::vector<std::uint8_t>{0x00, 0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0}));
    EXPECT_EQ(row(11), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xC0, 0x00}));
    for (int y : {9, 12, 13, 14, 0, 59})
        EXPECT_EQ(row(y), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0}))
            << "row " << y;
}

TEST(PageImage, GlyphsFlushWithTheRightEdgeStayInTheirRows) {
    // 32 pixels wide: each row is exactly its 4-byte stride, the top row the last in memory.
    PageImage page(PageSize{32, 16});
    std::uint8_t narrow[16], wide[32];
    std::fill(std::begin(narrow), std::end(narrow), 0x81);
    std::fill(std::begin(wide), std::end(wide), 0x01);
    page.ink_glyph(24, 0, narrow, 1);
    page.ink_glyph(8, 0, wide, 2);
    auto rows = page.bmp_rows();
    for (int y = 0; y < 16; ++y) {
        std::vector<std::uint8_t> row(rows.begin() + (15 - y) * 4, rows.begin() + (16 - y) * 4);
        EXPECT_EQ(row, (std::vector<std::uint8_t>{0xFF, 0xFE, 0xFE, 0x7E})) << "row " << y;
    }
}

TEST(PageImage, APageWhoseBmpWouldPassTwoGigabytesIsRefusedByName) {
    // 60 pixels wide: 8 bytes a row, so 268,435,448 rows fill the file to 2,147,483,646 bytes.
    EXPECT_EQ(bmp_file_size({60, 268435448}), 2147483646u);
    try {
        PageImage page(PageSize{60, 268435449});
        FAIL() << "accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "The page of 60 x 268435449 pixels is too large for a BMP file");
    }
    try {
        PageImage page(page_size_for(UINT64_MAX, 1));
        FAIL() << "accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "The page of 18446744073709551615 x 80 pixels is too large for a BMP file");
    }
    EXPECT_THROW(PageImage(PageSize{2147483648u, 1}), Error);
}

}  // namespace
}  // namespace korvane

namespace korvane {
namespace {

TEST(PageImage, WhiteningAnAreaRestoresItsBytesAndKeepsThePadBitsZero) {
    PageImage page(PageSize{60, 4});  // 60 wide: pixels 56..59 in byte 7, then pad
    for (int y = 0; y < 4; ++y) {
        page.ink_run(0, y, 0xFFFFFFFFu);
        page.ink_run(32, y, 0xFFFFFFFFu);
    }
    page.whiten(Rect{10, 1, 100, 3});  // bytes 1..7 of rows 1 and 2; clipped on the right
    auto row = [&](int y) {
        auto bytes = page.row_bytes(y);
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    };
    const std::vector<std::uint8_t> inked = {0, 0, 0, 0, 0, 0, 0, 0x00};
    const std::vector<std::uint8_t> whitened = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0};
    EXPECT_EQ(row(0), inked);
    EXPECT_EQ(row(1), whitened);
    EXPECT_EQ(row(2), whitened);
    EXPECT_EQ(row(3), inked);
    page.whiten(Rect{-5, -5, 0, 10});  // nothing of the page
    page.whiten(Rect{0, 3, 8, 4});
    EXPECT_EQ(row(3), (std::vector<std::uint8_t>{0xFF, 0, 0, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace korvane
