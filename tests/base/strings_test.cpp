#include <gtest/gtest.h>

#include "base/strings.h"

namespace korvane {
namespace {

TEST(Strings, CaseFoldingTouchesAsciiOnly) {
    EXPECT_EQ(ascii_lower("FrameTop.BMP\xC4\xE3"), "frametop.bmp\xC4\xE3");
    EXPECT_TRUE(equals_ignore_case("Personality", "PERSONALITY"));
    EXPECT_FALSE(equals_ignore_case("Button", "Buttons"));
    EXPECT_TRUE(ends_with_ignore_case("skin.INI", ".ini"));
    EXPECT_FALSE(ends_with_ignore_case("ini", ".ini"));
    EXPECT_EQ(compare_ignore_case("Button10", "BUTTON10"), 0);
    EXPECT_LT(compare_ignore_case("Button", "buttons"), 0);
    EXPECT_GT(compare_ignore_case("Colours", "ButtonClose"), 0);
    // Bytes above 0x7F sort after every ASCII letter, folded or not.
    EXPECT_LT(compare_ignore_case("Z", "\xC4"), 0);
}

TEST(Strings, PrintableEscapesControlBytesOnly) {
    EXPECT_EQ(printable("\x1B[2J.bmp"), "\\x1B[2J.bmp");
    EXPECT_EQ(printable("tab\there\r\n\x7F"), "tab\\x09here\\x0D\\x0A\\x7F");
    // U+009B (CSI) as UTF-8 is escaped; GBK text and other UTF-8 stay.
    EXPECT_EQ(printable("a\xC2\x9B" "b"), "a\\xC2\\x9Bb");
    EXPECT_EQ(printable("\xC4\xE3\xBA\xC3 \xC2\xA0 ok\\x"), "\xC4\xE3\xBA\xC3 \xC2\xA0 ok\\x");
}

TEST(Strings, SplitKeepsEmptyFieldsAndTrimRemovesBlanks) {
    auto f = split("a||b|", '|');
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[0], "a");
    EXPECT_EQ(f[1], "");
    EXPECT_EQ(f[2], "b");
    EXPECT_EQ(f[3], "");
    EXPECT_EQ(split("", ',').size(), 1u);
    EXPECT_EQ(trim(" \t x y \r\n"), "x y");
}

TEST(Strings, FormatFillsMessageTemplates) {
    EXPECT_EQ(format("I/O error %d", 32), "I/O error 32");
    EXPECT_EQ(format("Cannot create file \"%s\". %s", "C:\\a.bmp", "Access denied"),
              "Cannot create file \"C:\\a.bmp\". Access denied");
}

}  // namespace
}  // namespace korvane
