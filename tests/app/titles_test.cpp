#include "app/titles.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(Titles, ProgressTitleAppendsThePercentageInParentheses) {
    EXPECT_EQ(kMainTitle, "\xE6\x96\x87\xE6\x9C\xAC\xE8\xBD\xAC\xE5\x9B\xBE\xE7\x89\x87\xE5\xB7\xA5\xE5\x85\xB7V1.0");
    EXPECT_EQ(progress_title(0), "文本转图片工具V1.0(0%)");
    EXPECT_EQ(progress_title(56), "文本转图片工具V1.0(56%)");
    EXPECT_EQ(progress_title(100), "文本转图片工具V1.0(100%)");
}

}  // namespace
}  // namespace korvane
