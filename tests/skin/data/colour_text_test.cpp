#include <gtest/gtest.h>

#include "skin/data/colour_text.h"

namespace korvane {
namespace {

constexpr Color kFallback = 0xFF000012;

TEST(ColourText, BlanksOrSingleCommasSeparateRedGreenBlue) {
    EXPECT_EQ(ParseColourText("59 97 131", kFallback), rgb(59, 97, 131));
    EXPECT_EQ(ParseColourText("255,128,0", kFallback), rgb(255, 128, 0));
    EXPECT_EQ(ParseColourText("  1 2 3\t", kFallback), rgb(1, 2, 3));
}

TEST(ColourText, EveryOtherCharacterCountsAsOneSeparator) {
    EXPECT_EQ(ParseColourText("10, 20, 30", kFallback), rgb(10, 0, 20));
    EXPECT_EQ(ParseColourText("1,,3", kFallback), rgb(1, 0, 3));
    EXPECT_EQ(ParseColourText("-5 6 7", kFallback), rgb(0, 5, 6));
}

TEST(ColourText, AnOpenLastNumberCountsOnlyAsBlue) {
    EXPECT_EQ(ParseColourText("10,20", kFallback), rgb(10, 0, 0));
    EXPECT_EQ(ParseColourText("10", kFallback), rgb(0, 0, 0));
    EXPECT_EQ(ParseColourText("1 2 3 4", kFallback), rgb(1, 2, 3));
    EXPECT_EQ(ParseColourText("1 2 3 ", kFallback), rgb(1, 2, 3));
}

TEST(ColourText, EmptyGivesTheFallbackAndOversizedComponentsAreCut) {
    EXPECT_EQ(ParseColourText("", kFallback), kFallback);
    EXPECT_EQ(ParseColourText("abc", kFallback), rgb(0, 0, 0));
    EXPECT_EQ(ParseColourText("300 256 511", kFallback), rgb(44, 0, 255));
    EXPECT_EQ(ParseColourText("99999999999 5 2147483647", kFallback), rgb(0, 5, 255));
    EXPECT_EQ(ParseColourText("1 2 2147483648", kFallback), rgb(1, 2, 0));
}

}  // namespace
}  // namespace korvane
