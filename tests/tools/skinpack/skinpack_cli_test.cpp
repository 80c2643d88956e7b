#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "skinpack/archive_writer.h"
#include "skinpack/cli.h"
#include "skinpack/lzh_encoder.h"

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

}  // namespace
}  // namespace korvane::skinpack
