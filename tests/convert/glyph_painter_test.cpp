#include "convert/glyph_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "convert/embedded_fonts.h"

namespace korvane {
namespace {

// The drawing rule pixel by pixel, straight from the table layouts.
class ReferencePage {
public:
    ReferencePage(int width, int height) : width_(width), height_(height), ink_(std::size_t(width * height)) {}

    void paint(const FontTables& fonts, std::string_view text, int x, int y) {
        for (std::size_t i = 0; i < text.size();) {
            auto lead = static_cast<unsigned char>(text[i]);
            if (i + 1 < text.size() && lead >= 0x80 && static_cast<unsigned char>(text[i + 1]) >= 0x80) {
                auto trail = static_cast<unsigned char>(text[i + 1]);
                int cell = ((lead - 0xA1) & 0x7F) * 94 + ((trail - 0xA1) & 0x7F);
                if (cell < 8363)
                    for (int r = 0; r < 16; ++r)
                        for (int h = 0; h < 2; ++h)
                            for (int b = 7; b >= 0; --b)
                                if (fonts.hzk16[std::size_t(cell * 32 + 2 * r + h)] >> b & 1)
                                    set(x + 8 * h + 7 - b, y + r);
                x += 16;
                i += 2;
            } else {
                for (int r = 0; r < 16; ++r)
                    for (int b = 7; b >= 0; --b)
                        if (fonts.asc16[std::size_t(lead * 16 + r)] >> b & 1) set(x + 7 - b, y + r);
                x += 8;
                i += 1;
            }
        }
    }

    bool is_ink(int x, int y) const { return ink_[std::size_t(y * width_ + x)]; }

private:
    void set(int x, int y) {
        if (x >= 0 && x < width_ && y >= 0 && y < height_) ink_[std::size_t(y * width_ + x)] = true;
    }
    int width_, height_;
    std::vector<bool> ink_;
};

// Counts the pixels where the page differs from the reference.
int differences(const PageImage& page, const ReferencePage& expected) {
    int count = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) count += page.is_ink(x, y) != expected.is_ink(x, y);
    return count;
}

int ink_count(const PageImage& page) {
    int count = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) count += page.is_ink(x, y);
    return count;
}

bool same_pixels(const PageImage& a, const PageImage& b) {
    return std::equal(a.bmp_rows().begin(), a.bmp_rows().end(), b.bmp_rows().begin(), b.bmp_rows().end());
}

class PaintTextLineTest : public ::testing::Test {
protected:
    FontTables fonts = embedded_font_tables();
};

TEST_F(PaintTextLineTest, MatchesPixelByPixelDrawingAtEveryAlignmentAndEdge) {
    std::string every_byte;
    for (int v = 0; v < 256; ++v) every_byte += char(v);
    const std::string texts[] = {
        every_byte,
        "\xB0\xA1\xC4\xE3 ok \xA1\x80\xF7\xFE\xF9\xFB\xF9\xFC\x80\x80\xFF\xFF",
        "A\xB0\x41\xB0",
        "\xD7\xAA\xBB\xBB tab:  end",
    };
    for (const auto& text : texts)
        for (int x : {-21, -8, -3, 0, 1, 5, 7, 30, 123})
            for (int y : {-9, 0, 30, 52}) {
                PageSize size{std::uint64_t(text.size() * 8 / 2 + 37), 64};
                PageImage page(size);
                ReferencePage expected(int(size.width), int(size.height));
                PaintTextLine(fonts, text, x, page, y);
                expected.paint(fonts, text, x, y);
                ASSERT_EQ(differences(page, expected), 0) << "x " << x << " y " << y << " text " << text.size();
            }
}

TEST_F(PaintTextLineTest, PairsNeedTwoHighBytesAndAdvanceSixteen) {
    auto draw = [&](std::string_view text, int x) {
        PageImage page(PageSize{200, 40});
        PaintTextLine(fonts, text, x, page, 10);
        return page;
    };
    // Three pairs and two letters leave the pen at X + 64.
    PageImage line = draw("\xB0\xA1\xB0\xA1\xB0\xA1" "abA", 30);
    PageImage parts = draw("\xB0\xA1\xB0\xA1\xB0\xA1" "ab", 30);
    PaintTextLine(fonts, "A", 94, parts, 10);
    EXPECT_TRUE(same_pixels(line, parts));

    // A high byte before a low one, or at the end, is a single ASC16 cell.
    PageImage split = draw("\xB0\x41\xC4", 30);
    PageImage singles = draw("\xB0", 30);
    PaintTextLine(fonts, "\x41", 38, singles, 10);
    PaintTextLine(fonts, "\xC4", 46, singles, 10);
    EXPECT_TRUE(same_pixels(split, singles));

    PageImage nothing = draw("", 30);
    EXPECT_EQ(ink_count(nothing), 0);
}

TEST_F(PaintTextLineTest, CellsWrapBytesBelowA1AndPairsBeyondTheTableDrawNothing) {
    EXPECT_EQ(hzk16_cell(0xB0, 0xA1), 1410);
    EXPECT_EQ(hzk16_cell(0xA1, 0x80), 95);  // runs into zone 0xA2
    EXPECT_EQ(hzk16_cell(0xA2, 0xA2), 95);
    EXPECT_EQ(hzk16_cell(0xF9, 0xFB), 8362);
    EXPECT_EQ(hzk16_cell(0xF9, 0xFC), 8363);
    EXPECT_EQ(hzk16_cell(0x80, 0x80), 95 * 94 + 95);
    EXPECT_EQ(hzk16_cell(0xFF, 0xFF), 94 * 94 + 94);
    EXPECT_EQ(hzk16_cell(0xA0, 0xA0), 12065);

    PageImage beyond(PageSize{100, 40});
    PaintTextLine(fonts, "\xF9\xFC\x80\x80\xFF\xFF\xFA\xA1", 0, beyond, 0);
    EXPECT_EQ(ink_count(beyond), 0);

    PageImage wrapped(PageSize{100, 40}), direct(PageSize{100, 40});
    PaintTextLine(fonts, "\xA1\x8F", 4, wrapped, 3);  // position 110: cell 16 of zone 0xA2
    PaintTextLine(fonts, "\xA2\xB1", 4, direct, 3);
    EXPECT_TRUE(same_pixels(wrapped, direct));
    EXPECT_GT(ink_count(direct), 0);
}

TEST(PaintTextLineTables, ShortTablesAreNeverReadPastTheirEnd) {
    std::vector<std::uint8_t> asc(16 * 0x42, 0xFF);   // cells 0..0x41 only
    std::vector<std::uint8_t> hzk(32 * 2, 0xFF);      // cells 0 and 1 only
    FontTables fonts{asc, hzk};
    PageImage page(PageSize{100, 20});
    PaintTextLine(fonts, "AB\xA1\xA2\xA1\xA3", 0, page, 0);
    EXPECT_EQ(ink_count(page), 8 * 16 + 16 * 16);  // A and the pair of cell 1
    EXPECT_TRUE(page.is_ink(7, 15));
    EXPECT_FALSE(page.is_ink(8, 0));
    EXPECT_TRUE(page.is_ink(16, 0));
    EXPECT_TRUE(page.is_ink(31, 15));
    EXPECT_FALSE(page.is_ink(32, 0));
}

TEST(EmbeddedFonts, HaveTheFullTablesWithTheExpectedGlyphs) {
    FontTables fonts = embedded_font_tables();
    EXPECT_TRUE(fonts.complete());
    auto blank = [](std::span<const std::uint8_t> cell) {
        return std::all_of(cell.begin(), cell.end(), [](std::uint8_t b) { return b == 0; });
    };
    EXPECT_TRUE(blank(fonts.asc16.subspan(0, 16)));
    EXPECT_TRUE(blank(fonts.asc16.subspan(255 * 16, 16)));
    EXPECT_TRUE(blank(fonts.asc16.subspan(' ' * 16, 16)));
    for (int cell : {1, 0x0C, 0x41, 0x7F, 0xB0, 0xDB, 0xFE})
        EXPECT_FALSE(blank(fonts.asc16.subspan(std::size_t(cell) * 16, 16))) << cell;
    // The full block fills its cell.
    EXPECT_TRUE(std::all_of(fonts.asc16.begin() + 0xDB * 16, fonts.asc16.begin() + 0xDC * 16,
                            [](std::uint8_t b) { return b == 0xFF; }));
    // Zone 0xAF is empty, zone 0xB0 starts with a hanzi, 0xF9 0xFB is the last cell.
    EXPECT_TRUE(blank(fonts.hzk16.subspan(std::size_t(hzk16_cell(0xAF, 0xA1)) * 32, 94 * 32)));
    EXPECT_FALSE(blank(fonts.hzk16.subspan(std::size_t(hzk16_cell(0xB0, 0xA1)) * 32, 32)));
    EXPECT_TRUE(blank(fonts.hzk16.subspan(std::size_t(hzk16_cell(0xF9, 0xFB)) * 32, 32)));
    // A narrow glyph (fullwidth zone 0xA3 holds wide ones; Greek in 0xA6 is narrow) is centred.
    auto alpha = fonts.hzk16.subspan(std::size_t(hzk16_cell(0xA6, 0xC1)) * 32, 32);
    for (int r = 0; r < 16; ++r) {
        EXPECT_EQ(alpha[std::size_t(2 * r)] & 0xF0, 0) << r;
        EXPECT_EQ(alpha[std::size_t(2 * r + 1)] & 0x0F, 0) << r;
    }
    EXPECT_FALSE(blank(alpha));
}

}  // namespace
}  // namespace korvane
