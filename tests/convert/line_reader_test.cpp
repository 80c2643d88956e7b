#include "convert/line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

std::vector<std::string> lines_of(std::string bytes) {
    TextLines lines(std::move(bytes));
    std::vector<std::string> out(lines.begin(), lines.end());
    EXPECT_EQ(out.size(), lines.count());
    return out;
}

using Lines = std::vector<std::string>;

TEST(LineReader, LineEndsAreLfOrCrLfAndAFinalLineEndAddsNoLine) {
    EXPECT_EQ(lines_of("ab\r\ncd"), (Lines{"ab", "cd"}));
    EXPECT_EQ(lines_of("ab\ncd"), (Lines{"ab", "cd"}));
    EXPECT_EQ(lines_of("ab\ncd\n"), (Lines{"ab", "cd"}));
    EXPECT_EQ(lines_of("ab\r\ncd\r\n"), (Lines{"ab", "cd"}));
    EXPECT_EQ(lines_of(""), Lines{});
    EXPECT_EQ(lines_of("\n"), (Lines{""}));
    EXPECT_EQ(lines_of("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(lines_of("a\n\n\nb"), (Lines{"a", "", "", "b"}));
}

TEST(LineReader, ALoneCrIsDroppedAndTheLineGoesOn) {
    EXPECT_EQ(lines_of("ab\rcd"), (Lines{"abcd"}));
    EXPECT_EQ(lines_of("ab\r"), (Lines{"ab"}));
    EXPECT_EQ(lines_of("\r"), (Lines{""}));
    EXPECT_EQ(lines_of("ab\r\r\ncd"), (Lines{"ab", "cd"}));
    EXPECT_EQ(lines_of("\r\rx\r"), (Lines{"x"}));
}

TEST(LineReader, CtrlZAtTheStartOfALineEndsTheInput) {
    EXPECT_EQ(lines_of("\x1A" "abc\ndef"), Lines{});
    EXPECT_EQ(lines_of("ab\n\x1A" "cd\nef"), (Lines{"ab"}));
    EXPECT_EQ(lines_of("ab\r\n\x1A"), (Lines{"ab"}));
}

TEST(LineReader, CtrlZInsideALineSkipsTheRestOfThatLine) {
    EXPECT_EQ(lines_of("ab\x1Axy\ncd"), (Lines{"ab", "cd"}));
    EXPECT_EQ(lines_of("ab\x1Axy\r\ncd"), (Lines{"ab", "cd"}));
    EXPECT_EQ(lines_of("ab\x1Axy"), (Lines{"ab"}));
    // A second mark on the skipped stretch ends the input.
    EXPECT_EQ(lines_of("ab\x1Axy\x1Azz\ncd"), (Lines{"ab"}));
    // A lone CR first makes the mark an inner one: the line is empty.
    EXPECT_EQ(lines_of("\r\x1A" "x\ncd"), (Lines{"", "cd"}));
}

TEST(LineReader, TabsBecomeOneSpaceAndOtherBytesStay) {
    TextLines lines(std::string("a\tb\n\t\t\n\x0C\x80\xFF\0z", 12));
    std::vector<std::string> got(lines.begin(), lines.end());
    EXPECT_EQ(got, (Lines{"a b", "  ", std::string("\x0C\x80\xFF\0z", 5)}));
    EXPECT_EQ(lines.longest(), 5u);
}

TEST(LineReader, LongestCountsBytesWithoutALengthLimit) {
    std::string long_line(300, 'x');
    TextLines lines("ab\n" + long_line + "\n\xB0\xA1");
    EXPECT_EQ(lines.count(), 3u);
    EXPECT_EQ(lines.longest(), 300u);

    std::string huge(1 << 20, 'y');
    EXPECT_EQ(lines_of(huge + "\r\n" + huge), (Lines{huge, huge}));
    EXPECT_EQ(TextLines().count(), 0u);
    EXPECT_EQ(TextLines().longest(), 0u);
}

}  // namespace
}  // namespace korvane
