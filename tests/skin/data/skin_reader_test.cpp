#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "skin/data/lzh.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_reader_notice.h"
#include "skinpack/archive_writer.h"
#include "skinpack/lzh_encoder.h"

namespace korvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FromText(std::string_view text) { return Bytes(text.begin(), text.end()); }

// Collects the reader's messages for the life of the test.
class NoticeCapture {
public:
    NoticeCapture()
        : previous_(SetSkinNoticeSink([this](const std::string& m) { messages.push_back(m); })) {}
    ~NoticeCapture() { SetSkinNoticeSink(previous_); }
    std::vector<std::string> messages;

private:
    SkinNoticeSink previous_;
};

void PutInt32(Bytes& out, std::int32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(std::uint8_t(value >> shift));
}

// A package laid out by hand; list_length replaces the real length of names when given.
Bytes HandMadePackage(std::int32_t mark, std::string_view names, std::vector<std::int32_t> sizes,
                      std::string_view bodies,
                      std::optional<std::int32_t> list_length = std::nullopt) {
    Bytes archive;
    PutInt32(archive, mark);
    PutInt32(archive, list_length.value_or(std::int32_t(names.size())));
    PutInt32(archive, 4810413);
    PutInt32(archive, 4810421);
    archive.insert(archive.end(), names.begin(), names.end());
    for (std::int32_t size : sizes) PutInt32(archive, size);
    archive.insert(archive.end(), bodies.begin(), bodies.end());
    return CompressLzh(archive);
}

std::string Member(const TSkinReader& reader, std::string_view name) {
    Bytes target = {0xEE};
    reader.GetMember(name, target);
    return std::string(target.begin(), target.end());
}

TSkinReader LoadedWithThreeMembers() {
    const ArchiveMember members[] = {
        {"FrameTop.bmp", FromText("BM-top")},
        {"Title Bar.BMP", FromText("BM-title")},
        {"MySkin.ini", FromText("[TitlebarSkin]\r\nSkinName=Blue\r\n")},
    };
    TSkinReader reader;
    EXPECT_TRUE(reader.LoadPackage(PackSkin(members)));
    return reader;
}

TEST(SkinReader, LoadsAPackedSkinWithLowerCasedNames) {
    const TSkinReader reader = LoadedWithThreeMembers();
    EXPECT_EQ(reader.count(), 3);
    EXPECT_EQ(reader.names(), (std::vector<std::string>{"frametop.bmp", "title bar.bmp", "myskin.ini"}));
    EXPECT_EQ(std::vector<std::int32_t>(reader.sizes().begin(), reader.sizes().end()),
              (std::vector<std::int32_t>{6, 8, 31}));
    // L = 12 + 2 + 13 + 2 + 10 + 2; the two free values are written as 0.
    EXPECT_EQ(reader.header(), (std::array<std::int32_t, 4>{20000, 41, 0, 0}));
}

TEST(SkinReader, GetMemberComparesInLowerCase) {
    const TSkinReader reader = LoadedWithThreeMembers();
    EXPECT_EQ(Member(reader, "FrameTop.BMP"), "BM-top");
    EXPECT_EQ(Member(reader, "title bar.bmp"), "BM-title");
    EXPECT_EQ(Member(reader, "FrameTop"), "");
    EXPECT_EQ(Member(reader, ""), "");
}

TEST(SkinReader, FindMemberTakesTheTextAsGiven) {
    const TSkinReader reader = LoadedWithThreeMembers();
    Bytes target;
    std::string found = "unchanged";
    reader.FindMember(".INI", target, found);
    EXPECT_TRUE(target.empty());
    EXPECT_EQ(found, "unchanged");
    reader.FindMember("", target, found);
    EXPECT_TRUE(target.empty());
    EXPECT_EQ(found, "unchanged");

    reader.FindMember(".bmp", target, found);
    EXPECT_EQ(std::string(target.begin(), target.end()), "BM-top");
    EXPECT_EQ(found, "frametop.bmp");
    reader.FindMember(".ini", target, found);
    EXPECT_EQ(std::string(target.begin(), target.end()), "[TitlebarSkin]\r\nSkinName=Blue\r\n");
    EXPECT_EQ(found, "myskin.ini");
}

TEST(SkinReader, NameListLinesEndAtCrLfCrOrLf) {
    TSkinReader reader;
    // A blank line in the middle is an empty name with its own size; LF CR is two line ends.
    ASSERT_TRUE(reader.LoadPackage(
        HandMadePackage(20000, "A\r\n\r\nB\rC\nD\n\rE", {1, 2, 3, 4, 5, 0, 1}, "abbcccddddeeeeeF")));
    EXPECT_EQ(reader.names(), (std::vector<std::string>{"a", "", "b", "c", "d", "", "e"}));
    EXPECT_EQ(reader.header(), (std::array<std::int32_t, 4>{20000, 13, 4810413, 4810421}));
    EXPECT_EQ(Member(reader, "b"), "ccc");
    EXPECT_EQ(Member(reader, "E"), "F");
    EXPECT_EQ(Member(reader, ""), "");
}

TEST(SkinReader, OlderFormatIsRefusedAndTheOldMembersStay) {
    NoticeCapture notices;
    TSkinReader reader = LoadedWithThreeMembers();
    EXPECT_FALSE(reader.LoadPackage(HandMadePackage(20001, "x.bmp\r\n", {1}, "x")));
    ASSERT_EQ(notices.messages.size(), 1u);
    EXPECT_EQ(notices.messages[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(reader.count(), 3);
    EXPECT_EQ(reader.header()[0], 20000);
    EXPECT_EQ(Member(reader, "frametop.bmp"), "BM-top");
}

TEST(SkinReader, DamagedPackagesAreRefusedWithoutReadingPastTheData) {
    struct Case {
        Bytes package;
        std::string message;
    };
    const std::string too_many_names(1002 * 3, '\n');
    const Case cases[] = {
        {CompressLzh(FromText("\x20\x4E\0\0\x05\0\0\0")),
         "Skin package is damaged: the header is incomplete"},
        {HandMadePackage(20000, "a\r\n", {1}, "a", 100),
         "Skin package is damaged: the name list runs past the end of the data"},
        {HandMadePackage(20000, "a\r\n", {1}, "a", -3),
         "Skin package is damaged: the name list runs past the end of the data"},
        {HandMadePackage(20000, too_many_names, {}, ""),
         "Skin package is damaged: it names 3006 members, more than 1001"},
        {HandMadePackage(20000, "a\r\nb\r\n", {1}, "ab"),
         "Skin package is damaged: the size table runs past the end of the data"},
        {HandMadePackage(20000, "a\r\nBad\r\n", {1, -1}, "a"),
         "Skin package is damaged: member \"bad\" has a negative size"},
        {HandMadePackage(20000, "a\r\nb\r\n", {1, 2}, "ab"),
         "Skin package is damaged: the member sizes add up to more than the data holds"},
        {HandMadePackage(20000, "a\r\nb\r\n", {0x7FFFFFFF, 0x7FFFFFFF}, "ab"),
         "Skin package is damaged: the member sizes add up to more than the data holds"},
    };
    for (const Case& c : cases) {
        NoticeCapture notices;
        TSkinReader reader = LoadedWithThreeMembers();
        EXPECT_FALSE(reader.LoadPackage(c.package)) << c.message;
        EXPECT_EQ(notices.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(reader.count(), 3);
        EXPECT_EQ(Member(reader, "title bar.bmp"), "BM-title");
    }
}

TEST(SkinReader, ExactlyOneThousandAndOneMembersAreAccepted) {
    std::vector<ArchiveMember> members;
    for (int i = 0; i < 1001; ++i) members.push_back({"m" + std::to_string(i), {std::uint8_t(i)}});
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(PackSkin(members)));
    EXPECT_EQ(reader.count(), 1001);
    EXPECT_EQ(Member(reader, "m1000"), std::string(1, char(1000 & 0xFF)));
}

TEST(SkinReader, DecoderFailuresPassThrough) {
    TSkinReader reader;
    EXPECT_THROW(reader.LoadPackage(Bytes{0xFF, 0xFF, 0xFF, 0x7F, 0}), ElzhException);
}

}  // namespace
}  // namespace korvane
