#include "transcode.h"

#include <gtest/gtest.h>

#include "options.h"

namespace korvane::txt2bmp {
namespace {

TEST(Transcode, TextBecomesGbkBytes) {
    Transcoded utf8 = to_cp936("\xE4\xBD\xA0\xE5\xA5\xBD" "A\n", "utf-8");  // 你好A
    EXPECT_EQ(utf8.bytes, "\xC4\xE3\xBA\xC3" "A\n");
    EXPECT_EQ(utf8.replaced, 0u);
    EXPECT_EQ(to_cp936("\xA4\xA4", "big5").bytes, "\xD6\xD0");  // 中
    EXPECT_EQ(to_cp936("\xEF\xBB\xBF" "ab", "UTF-8").bytes, "ab");  // the mark is dropped
    EXPECT_EQ(to_cp936("", "utf-8").bytes, "");
}

TEST(Transcode, CharactersWithoutAGbkFormBecomeQuestionMarks) {
    // U+1F600 and U+0E01 (Thai) have no GBK form.
    Transcoded out = to_cp936("a\xF0\x9F\x98\x80" "b\xE0\xB8\x81\xE4\xB8\xAD", "utf-8");
    EXPECT_EQ(out.bytes, "a?b?\xD6\xD0");
    EXPECT_EQ(out.replaced, 2u);
}

TEST(Transcode, PiecesCutInsideCharactersGiveTheSameBytes) {
    // "\xEF\xBB\xBF" (a mark), 你好, a Thai letter and A, in UTF-8.
    const std::string text = "\xEF\xBB\xBF\xE4\xBD\xA0\xE5\xA5\xBD\xE0\xB8\x81" "A";
    for (std::size_t size : {1, 2, 4, 5}) {
        Transcoder transcoder("utf-8");
        std::string out;
        for (std::size_t at = 0; at < text.size(); at += size)
            out += transcoder.convert(std::string_view(text).substr(at, size), at + size >= text.size());
        EXPECT_EQ(out, "\xC4\xE3\xBA\xC3?A") << "pieces of " << size;
        EXPECT_EQ(transcoder.replaced(), 1u);
    }
    // A bad byte in a later piece is named by its offset in the whole text.
    Transcoder transcoder("utf-8");
    transcoder.convert("ab\xE4", false);
    try {
        transcoder.convert("\xBD\xA0z\xFF", true);
        FAIL() << "accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "The input is not valid utf-8 text at byte offset 6");
    }
}

TEST(Transcode, BadInputAndUnknownEncodingsAreRefused) {
    try {
        to_cp936("ab\xFF" "cd", "utf-8");
        FAIL() << "accepted";
    } catch (const UsageError&) {
        FAIL() << "reported as a usage error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "The input is not valid utf-8 text at byte offset 2");
    }
    EXPECT_THROW(to_cp936("ab\xE4\xBD", "utf-8"), Error);  // cut short
    try {
        to_cp936("ab", "klingon");
        FAIL() << "accepted";
    } catch (const UsageError& e) {
        EXPECT_STREQ(e.what(), "unknown encoding klingon");
    }
}

}  // namespace
}  // namespace korvane::txt2bmp
