// skinpack check: the shipped skins are clean; a copy of the default skin
// with one kind of damage reports exactly that damage and exits 1.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "base/file_io_testing.h"
#include "skin/data/skin_reader.h"
#include "skinpack/archive_writer.h"
#include "skinpack/cli.h"

namespace korvane::skinpack {
namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result Check(const std::string& path) {
    std::ostringstream out, err;
    const std::vector<std::string> args = {"check", path};
    const int code = RunSkinpack(args, out, err);
    return {code, out.str(), err.str()};
}

std::string Skin(const char* name) {
    return std::string(KORVANE_SKINS_DIR) + "/" + name;
}

// The default skin's members, to damage and pack again.
std::vector<ArchiveMember> DefaultMembers() {
    const std::string bytes = read_file(Skin("default.skn"));
    TSkinReader reader;
    EXPECT_TRUE(reader.LoadPackage(std::vector<std::uint8_t>(bytes.begin(), bytes.end())));
    std::vector<ArchiveMember> members;
    for (const std::string& name : reader.names()) {
        members.push_back({name, {}});
        reader.GetMember(name, members.back().bytes);
    }
    return members;
}

ArchiveMember& Member(std::vector<ArchiveMember>& members, const std::string& name) {
    for (ArchiveMember& m : members)
        if (m.name == name) return m;
    ADD_FAILURE() << "no member " << name;
    return members.front();
}

// Replaces one line of the definition.
void EditDefinition(std::vector<ArchiveMember>& members, const std::string& from, const std::string& to) {
    std::vector<std::uint8_t>& bytes = Member(members, "skin.ini").bytes;
    std::string text(bytes.begin(), bytes.end());
    const std::size_t at = text.find(from + "\r\n");
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
    bytes.assign(text.begin(), text.end());
}

Result CheckDamaged(const std::vector<ArchiveMember>& members) {
    korvane::testing::TempDir dir;
    write_file_replacing(dir.file("damaged.skn"), PackSkin(members));
    return Check(dir.file("damaged.skn"));
}

TEST(SkinpackCheck, TheShippedSkinsAreClean) {
    for (const char* name : {"default.skn", "night.skn", "silver.skn"}) {
        const Result r = Check(Skin(name));
        EXPECT_EQ(r.code, 0) << name << ": " << r.out << r.err;
        EXPECT_EQ(r.out, Skin(name) + ": no problems found\n");
        EXPECT_EQ(r.err, "");
    }
}

TEST(SkinpackCheck, ImageKeysThatGiveNoImageNameTheirReason) {
    std::vector<ArchiveMember> members = DefaultMembers();
    std::erase_if(members, [](const ArchiveMember& m) { return m.name == "combo.bmp"; });
    EditDefinition(members, "Image=header.bmp", "Image=header.png");
    Member(members, "radio.bmp").bytes = {'B', 'M', 0, 1, 2};
    const Result r = CheckDamaged(members);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(
        r.out,
        "[Buttons] RadioButton: \"radio.bmp\" names a member that is not a valid bitmap within the skin's pixel budget\n"
        "[ComboButton] Image: \"combo.bmp\" names a member the package does not hold (or an empty one)\n"
        "[Headerbar] Image: \"header.png\" names no \".bmp\" file\n");
    EXPECT_NE(r.err.find(": 3 problems found\n"), std::string::npos) << r.err;
}

TEST(SkinpackCheck, APackageWithoutDefinitionIsReported) {
    std::vector<ArchiveMember> members = DefaultMembers();
    std::erase_if(members, [](const ArchiveMember& m) { return m.name == "skin.ini"; });
    const Result r = CheckDamaged(members);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "the package holds no \".ini\" definition\n");
    EXPECT_NE(r.err.find(": 1 problem found\n"), std::string::npos) << r.err;
}

TEST(SkinpackCheck, FrameCountsAndMarginsThatDoNotFitTheirImages) {
    std::vector<ArchiveMember> members = DefaultMembers();
    EditDefinition(members, "TopFrame=2", "TopFrame=0");
    EditDefinition(members, "FrameCount=3\r\n\r\n[VertScrollThumb]", "FrameCount=7\r\n\r\n[VertScrollThumb]");
    EditDefinition(members, "[GroupBoxEdge]\r\nImage=groupboxedge.bmp\r\nLeftWidth=4",
                   "[GroupBoxEdge]\r\nImage=groupboxedge.bmp\r\nLeftWidth=40");
    EditDefinition(members, "[SunkEdge]\r\nImage=sunkedge.bmp\r\nLeftWidth=2",
                   "[SunkEdge]\r\nImage=sunkedge.bmp\r\nLeftWidth=-2");
    const Result r = CheckDamaged(members);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(
        r.out,
        "[Personality] Top: frame count 0 cuts no frame; the image is never drawn\n"
        "[GroupBoxEdge]: left and right margins 40 + 4 are wider than its 16-pixel frame; both are dropped\n"
        "[SunkEdge]: margins -2 2 2 2: a negative margin counts as 0\n"
        "[HorzScrollThumb]: 48x16 does not divide into 7 frames side by side; the last 6 pixels are never "
        "drawn\n"
        "[HorzScrollThumb]: left and right margins 4 + 4 are wider than its 6-pixel frame; both are "
        "dropped\n");
    EXPECT_NE(r.err.find(": 5 problems found\n"), std::string::npos) << r.err;
}

TEST(SkinpackCheck, ColoursThatDoNotParseAndButtonsOutsideTheTitle) {
    std::vector<ArchiveMember> members = DefaultMembers();
    EditDefinition(members, "ButtonFace=213 222 242", "ButtonFace=213, 222, 242");
    EditDefinition(members, "PressedColour2=40 74 59", "PressedColour2=40 74");
    EditDefinition(members, "ButtonText=0 0 0", "ButtonText=0 0 256");
    EditDefinition(members, "[Button0]\r\nAction=0\r\nAlign=1\r\nXcoord=25\r\nYcoord=5",
                   "[Button0]\r\nAction=0\r\nAlign=1\r\nXcoord=25\r\nYcoord=30");
    EditDefinition(members, "[Button2]\r\nAction=2\r\nAlign=1\r\nXcoord=73",
                   "[Button2]\r\nAction=2\r\nAlign=1\r\nXcoord=10");
    const Result r = CheckDamaged(members);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(
        r.out,
        "[BUTTON0]: rows 30 to 48 lie outside the 29-pixel title strip\n"
        "[BUTTON2]: Xcoord 10 with Align 1 puts the 21-pixel button past the window's right edge\n"
        "[Colours] ButtonFace: \"213, 222, 242\" is not three numbers 0-255 parted by single blanks or "
        "commas; "
        "it reads as 213 0 222\n"
        "[Colours] ButtonText: \"0 0 256\" is not three numbers 0-255 parted by single blanks or commas; "
        "it reads as 0 0 0\n"
        "[Buttons] PressedColour2: \"40 74\" is not three numbers 0-255 parted by single blanks or commas; "
        "it reads as 40 0 0\n");
    EXPECT_NE(r.err.find(": 5 problems found\n"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace korvane::skinpack
