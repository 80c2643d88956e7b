#include <gtest/gtest.h>

#include "framework/win/error_text.h"

namespace korvane {
namespace {

TEST(ErrorBoxText, FullStopAddedOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(error_box_text("File not found"), "File not found.");
    EXPECT_EQ(error_box_text("I/O error 32"), "I/O error 32.");
    EXPECT_EQ(error_box_text("path a/"), "path a/.");  // '/' follows '.'
    EXPECT_EQ(error_box_text("Done!"), "Done!");
    EXPECT_EQ(error_box_text("Already a sentence."), "Already a sentence.");
    EXPECT_EQ(error_box_text("(1)"), "(1)");
    EXPECT_EQ(error_box_text("a-"), "a-");
    EXPECT_EQ(error_box_text(""), "");
}

TEST(ErrorBoxText, TextEndingInAMultiByteCharacterGetsTheStop) {
    EXPECT_EQ(error_box_text("\xE6\x97\xA0\xE6\xB3\x95"), "\xE6\x97\xA0\xE6\xB3\x95.");
}

}  // namespace
}  // namespace korvane
