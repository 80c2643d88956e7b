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

namespace korvane {
namespace {

TEST(LineReader, TextGivenInPiecesGivesTheSameLines) {
    // Every place a piece can end: inside CR LF, after a lone CR, on a 0x1A
    // and on the stretch it skips, inside a long line.
    const std::string text = "ab\r\ncd\r\rx\r\n\tq\x1Azz\r\n\r\n" + std::string(700, 'L') + "\nend\r";
    TextLines whole(text);
    const std::vector<std::string> expected(whole.begin(), whole.end());
    for (std::size_t piece : {1, 2, 3, 7, 256}) {
        TextLines pieces;
        for (std::size_t at = 0; at < text.size(); at += piece) pieces.add(std::string_view(text).substr(at, piece));
        EXPECT_EQ(std::vector<std::string>(pieces.begin(), pieces.end()), expected) << "pieces of " << piece;
        EXPECT_EQ(pieces.longest(), 700u);
        EXPECT_EQ(pieces.count(), expected.size());
    }
    TextLines ended("ab\n");
    ended.add("\x1A" "cd\n");
    ended.add("ef\n");
    EXPECT_EQ(std::vector<std::string>(ended.begin(), ended.end()), Lines{"ab"});
}

TEST(LineReader, ALineStillBeingReadCountsTowardsTheLongest) {
    TextLines lines;
    lines.add("ab\ncdef");
    EXPECT_EQ(lines.count(), 2u);
    EXPECT_EQ(lines.longest(), 4u);
    lines.add("gh");
    EXPECT_EQ(lines.longest(), 6u);
}

TEST(LineSpans, WalkBothWaysAndCutIntoPages) {
    TextLines lines("one\ntwo\n\nfour\nfive5");
    LineSpan all = lines;
    EXPECT_EQ(std::vector<std::string>(all.rbegin(), all.rend()), (Lines{"five5", "four", "", "two", "one"}));

    std::vector<LineSpan> pages = all.pages(2);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(pages[0].begin(), pages[0].end()), (Lines{"one", "two"}));
    EXPECT_EQ(std::vector<std::string>(pages[1].begin(), pages[1].end()), (Lines{"", "four"}));
    EXPECT_EQ(std::vector<std::string>(pages[2].rbegin(), pages[2].rend()), Lines{"five5"});
    EXPECT_EQ(pages[0].longest(), 3u);
    EXPECT_EQ(pages[1].longest(), 4u);
    EXPECT_EQ(pages[2].count(), 1u);
    EXPECT_EQ(pages[2].longest(), 5u);

    EXPECT_EQ(all.pages(5).size(), 1u);
    EXPECT_EQ(all.pages(99)[0].count(), 5u);
    ASSERT_EQ(all.pages(1).size(), 5u);
    EXPECT_EQ(*all.pages(1)[2].begin(), "");
    std::vector<LineSpan> none = LineSpan(TextLines("")).pages(3);
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].count(), 0u);
}

}  // namespace
}  // namespace korvane
