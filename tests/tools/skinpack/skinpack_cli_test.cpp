#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/strings.h"
#include "skinpack/archive_writer.h"
#include "skinpack/cli.h"
#include "skinpack/lzh_encoder.h"
#include "skinpack/member_names.h"

namespace korvane::skinpack {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class SkinpackCli : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("skinpack_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    void Write(const std::string& name, std::string_view bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    void Write(const std::string& name, const Bytes& bytes) const {
        Write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    int Run(std::vector<std::string> args) {
        out_.str("");
        err_.str("");
        return RunSkinpack(args, out_, err_);
    }

    fs::path dir_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(SkinpackCli, PackListAndUnpackGiveBackTheFiles) {
    Write("Skin.INI", "[Personality]\r\n");
    Write("Frame Top.bmp", std::string(3000, 'B'));
    ASSERT_EQ(Run({"pack", "-o", Path("a.skn"), Path("Skin.INI"), Path("Frame Top.bmp")}), 0)
        << err_.str();
    EXPECT_EQ(Run({"list", Path("a.skn")}), 0);
    EXPECT_EQ(out_.str(), "skin.ini\t15\nframe top.bmp\t3000\n");
    ASSERT_EQ(Run({"unpack", Path("a.skn"), Path("out/sub")}), 0) << err_.str();
    EXPECT_EQ(Read("out/sub/skin.ini"), "[Personality]\r\n");
    EXPECT_EQ(Read("out/sub/frame top.bmp"), std::string(3000, 'B'));
    EXPECT_EQ(err_.str(), "");
}

TEST_F(SkinpackCli, RawStreamsRoundTripAndExpandToTheirSize) {
    std::string text;
    for (int i = 0; i < 500; ++i) text += "line " + std::to_string(i * 7 % 13) + "\n";
    Write("in.txt", text);
    ASSERT_EQ(Run({"lzh-compress", Path("in.txt"), Path("in.lzh")}), 0);
    EXPECT_LT(Read("in.lzh").size(), text.size() / 3);
    ASSERT_EQ(Run({"lzh-expand", Path("in.lzh"), Path("back.txt")}), 0);
    EXPECT_EQ(Read("back.txt"), text);

    // A 5-byte match for a size of 1: the decoder writes five spaces, the file gets one.
    Write("overrun.lzh", Bytes{1, 0, 0, 0, 0x8E, 0, 0});
    ASSERT_EQ(Run({"lzh-expand", Path("overrun.lzh"), Path("overrun")}), 0);
    EXPECT_EQ(Read("overrun"), " ");
}

TEST_F(SkinpackCli, WrongArgumentsShowTheUsageWithExitCode2) {
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"explode"},
        {"pack", "a.bmp"},
        {"pack", "-o", "out.skn"},
        {"list"},
        {"unpack", "a.skn"},
        {"lzh-expand", "a", "b", "c"},
    };
    for (const auto& line : lines) {
        EXPECT_EQ(Run(line), 2);
        EXPECT_NE(err_.str().find("usage:\n  skinpack pack -o OUT.skn FILE...\n"), std::string::npos)
            << err_.str();
    }
    EXPECT_EQ(Run({"explode"}), 2);
    EXPECT_EQ(err_.str().substr(0, err_.str().find('\n')), "skinpack: unknown command \"explode\"");
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(out_.str().substr(0, 7), "usage:\n");
}

TEST_F(SkinpackCli, BadInputFailsWithExitCode1AndAMessage) {
    EXPECT_EQ(Run({"list", Path("missing.skn")}), 1);
    EXPECT_EQ(err_.str(), "skinpack: " + Path("missing.skn") + ": File not found\n");
    EXPECT_EQ(Run({"lzh-compress", Path(""), Path("x")}), 1);
    EXPECT_EQ(err_.str(), "skinpack: " + Path("") + ": File access denied\n");

    Write("short.lzh", "ab");
    EXPECT_EQ(Run({"lzh-expand", Path("short.lzh"), Path("x")}), 1);
    EXPECT_EQ(err_.str(), "skinpack: LZH : Stream of 2 bytes is too short for its 4-byte size\n");

    Bytes old_archive = {0x21, 0x4E, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Write("old.skn", CompressLzh(old_archive));
    EXPECT_EQ(Run({"list", Path("old.skn")}), 1);
    EXPECT_EQ(err_.str(), "skinpack: " + Path("old.skn") +
                              ": This is Older Skin File\nPlease update to new version !\n");

    Write("x.bmp", "1");
    fs::create_directories(dir_ / "other");
    Write("other/X.BMP", "2");
    EXPECT_EQ(Run({"pack", "-o", Path("dup.skn"), Path("x.bmp"), Path("other/X.BMP")}), 1);
    EXPECT_EQ(err_.str(), "skinpack: Member name \"X.BMP\" is used twice (names ignore case)\n");
    EXPECT_FALSE(fs::exists(dir_ / "dup.skn"));
}

TEST_F(SkinpackCli, UnpackWritesNothingOutsideTheDirectory) {
    for (const std::string name : {"../escape.bmp", "..", "c:evil", "sub\\evil"}) {
        const ArchiveMember members[] = {{"fine.bmp", {1}}, {name, {2}}};
        Write("evil.skn", PackSkin(members));
        EXPECT_EQ(Run({"unpack", Path("evil.skn"), Path("out")}), 1) << name;
        EXPECT_EQ(err_.str(), "skinpack: member name \"" + name + "\" is not a plain file name\n");
        EXPECT_FALSE(fs::exists(dir_ / "escape.bmp"));
        EXPECT_FALSE(fs::exists(dir_ / "out" / "fine.bmp"));
    }
}

// The files in a folder and their contents, to compare before and after.
std::map<std::string, std::string> FolderContents(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::string content;
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        files[entry.path().filename().string()] = content;
    }
    return files;
}

TEST_F(SkinpackCli, UnpackNeverWritesThroughALinkAlreadyInTheFolder) {
    const ArchiveMember members[] = {{"a.bmp", {'A'}}, {"b.bmp", {'B'}}};
    Write("two.skn", PackSkin(members));
    fs::create_directories(dir_ / "out");
    std::error_code error;
    fs::create_symlink(dir_ / "victim", dir_ / "out" / "b.bmp", error);
    if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
    EXPECT_EQ(Run({"unpack", Path("two.skn"), Path("out")}), 1);
    EXPECT_EQ(err_.str(), "skinpack: \"" + (dir_ / "out" / "b.bmp").string() +
                              "\" is a symbolic link: skinpack does not write through links\n");
    EXPECT_FALSE(fs::exists(dir_ / "victim"));
    EXPECT_FALSE(fs::exists(dir_ / "out" / "a.bmp"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir_ / "out" / "b.bmp")));
}

TEST_F(SkinpackCli, UnpackIsAllOrNothing) {
    // The second member's name is longer than any file system allows.
    const std::string too_long(300, 'n');
    const ArchiveMember members[] = {{"a.bmp", {'N', 'E', 'W'}}, {too_long, {'L'}}};
    Write("long.skn", PackSkin(members));

    // Into a folder it makes: the folder is gone again, with the folders made for it.
    EXPECT_EQ(Run({"unpack", Path("long.skn"), Path("made/out")}), 1);
    EXPECT_EQ(err_.str().rfind("skinpack: cannot write \"" + Path("made/out"), 0), 0u)
        << err_.str();
    EXPECT_FALSE(fs::exists(dir_ / "made"));

    // Into a folder that holds a file of a member's name: the file keeps its bytes.
    fs::create_directories(dir_ / "out");
    Write("out/a.bmp", "old");
    Write("out/notes.txt", "mine");
    const auto before = FolderContents(dir_ / "out");
    EXPECT_EQ(Run({"unpack", Path("long.skn"), Path("out")}), 1);
    EXPECT_EQ(FolderContents(dir_ / "out"), before);

    // And a folder of a member's name stops the unpack before anything is written.
    const ArchiveMember blocked[] = {{"a.bmp", {'N'}}, {"sub", {'S'}}};
    Write("blocked.skn", PackSkin(blocked));
    fs::create_directories(dir_ / "out" / "sub");
    EXPECT_EQ(Run({"unpack", Path("blocked.skn"), Path("out")}), 1);
    EXPECT_EQ(err_.str(), "skinpack: \"" + (dir_ / "out" / "sub").string() +
                              "\" is in the way: it is not a plain file\n");
    EXPECT_EQ(Read("out/a.bmp"), "old");
}

TEST_F(SkinpackCli, NamesAreShownWithControlBytesEscaped) {
    const ArchiveMember members[] = {{"\x1B[2J.bmp", {1}}, {"tab\there.bmp", {2, 3}}};
    Write("ctl.skn", PackSkin(members));
    EXPECT_EQ(Run({"list", Path("ctl.skn")}), 0);
    EXPECT_EQ(out_.str(), "\\x1B[2j.bmp\t1\ntab\\x09here.bmp\t2\n");
    EXPECT_EQ(Run({"unpack", Path("ctl.skn"), Path("out")}), 1);
    EXPECT_EQ(err_.str(), "skinpack: member name \"\\x1B[2j.bmp\" is not a plain file name\n");
}

TEST_F(SkinpackCli, UnpackRefusesWindowsDeviceNames) {
    for (const std::string name : {"con", "NUL.bmp", "Com1.txt", "lpt9 .bmp", "aux.", "conout$"}) {
        EXPECT_TRUE(IsReservedDeviceName(name)) << name;
        const ArchiveMember members[] = {{"fine.bmp", {1}}, {name, {2}}};
        Write("dev.skn", PackSkin(members));
        EXPECT_EQ(Run({"unpack", Path("dev.skn"), Path("out")}), 1) << name;
        EXPECT_EQ(err_.str(), "skinpack: member name \"" + ascii_lower(name) +
                                  "\" is a device name on Windows\n");
        EXPECT_FALSE(fs::exists(dir_ / "out"));
    }
    for (const std::string name : {"console.bmp", "com10.bmp", "com0", "nul_x.bmp", "lpt.bmp", "x.con"})
        EXPECT_FALSE(IsReservedDeviceName(name)) << name;
}

}  // namespace
}  // namespace korvane::skinpack
