#include "skin/data/start_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/skin_reader_notice.h"

namespace korvane {
namespace {

StartOptions Parse(std::vector<std::string> args) { return ParseStartOptions(args); }

TEST(StartOptions, SkinTakesTheNextArgumentOrItsOwnValueAndTheLastCounts) {
    EXPECT_EQ(Parse({}).skin_file, "");
    EXPECT_EQ(Parse({"--skin", "night.skn"}).skin_file, "night.skn");
    EXPECT_EQ(Parse({"--skin=C:\\skins\\silver.skn"}).skin_file, "C:\\skins\\silver.skn");
    EXPECT_EQ(Parse({"--skin", "a.skn", "--skin", "b.skn"}).skin_file, "b.skn");
    // Other arguments are ignored, as they always were; "--skinny" is not the option.
    const StartOptions other = Parse({"notes.txt", "--skinny", "x"});
    EXPECT_EQ(other.skin_file, "");
    EXPECT_EQ(other.problem, "");
    // The file name is taken as it is, even when it starts with dashes.
    EXPECT_EQ(Parse({"--skin", "--skin"}).skin_file, "--skin");
}

TEST(StartOptions, SkinWithoutAFileIsAProblemAndNoSkinFile) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--skin"},
                                                 std::vector<std::string>{"--skin="},
                                                 std::vector<std::string>{"--skin", "a.skn", "--skin"}}) {
        const StartOptions o = Parse(args);
        EXPECT_EQ(o.skin_file, "");
        EXPECT_EQ(o.problem, "--skin needs a skin package: --skin FILE.skn");
    }
    EXPECT_EQ(Parse({"--skin", "--skin", "--skin", "b.skn"}).problem, "");
    EXPECT_EQ(SkinFileNotice("x.skn", "not a skin"),
              "The skin \"x.skn\" cannot be used (not a skin): the tool keeps its own skin");
}

// A file of these bytes in the test's temporary folder.
std::string FileOf(const std::string& name, const std::string& bytes) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

TEST(SkinFile, AShippedPackageIsWearableWithItsBytesAndNothingIsSaid) {
    const std::string path = KORVANE_TEST_DATA "/../../data/skins/night.skn";
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> said;
    SkinNoticeSink previous = SetSkinNoticeSink([&](const std::string& m) { said.push_back(m); });
    const SkinFile file = ReadSkinFile(path);
    EXPECT_TRUE(file.Wearable());
    EXPECT_EQ(file.notice, "");
    EXPECT_EQ(file.bytes, expected);
    EXPECT_TRUE(said.empty());
    SetSkinNoticeSink(std::move(previous));
}

TEST(SkinFile, AFileThatCannotBeWornGivesOneNoticeWithTheFirstReasonAndNoBytes) {
    std::vector<std::string> said;
    SkinNoticeSink previous = SetSkinNoticeSink([&](const std::string& m) { said.push_back(m); });
    const std::string missing = (std::filesystem::temp_directory_path() / "no-such-skin.skn").string();
    std::filesystem::remove(missing);
    const SkinFile absent = ReadSkinFile(missing);
    EXPECT_FALSE(absent.Wearable());
    EXPECT_TRUE(absent.bytes.empty());
    EXPECT_EQ(absent.notice, SkinFileNotice(missing, "File not found"));

    // Four bytes of size and nothing to expand: the package reader refuses it.
    const std::string empty = FileOf("empty-skin.skn", std::string("\0\0\0\0", 4));
    const SkinFile refused = ReadSkinFile(empty);
    EXPECT_FALSE(refused.Wearable());
    EXPECT_TRUE(refused.bytes.empty());
    EXPECT_EQ(refused.notice, SkinFileNotice(empty, "Skin package is damaged: the header is incomplete"));

    // A file larger than any package is not read into memory.
    const std::string huge = FileOf("huge-skin.skn", "");
    std::filesystem::resize_file(huge, kMaxSkinFileBytes + 1);
    const SkinFile too_large = ReadSkinFile(huge);
    EXPECT_TRUE(too_large.bytes.empty());
    EXPECT_EQ(too_large.notice, SkinFileNotice(huge, "larger than 67108864 bytes"));
    std::filesystem::remove(huge);
    // The reader's own notices are not shown besides.
    EXPECT_TRUE(said.empty());
    SetSkinNoticeSink(std::move(previous));
    std::filesystem::remove(empty);
}

}  // namespace
}  // namespace korvane
