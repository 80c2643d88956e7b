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
