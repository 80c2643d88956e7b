#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "base/bmp.h"
#include "base/file_io_testing.h"
#include "skinpack/archive_writer.h"
#include "skinpack/cli.h"

namespace korvane::skinpack {
namespace {

std::vector<std::uint8_t> Text(std::string_view text) { return {text.begin(), text.end()}; }

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result RunCommand(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = RunSkinpack(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(SkinpackInfo, PrintsTheModelASkinAuthorChecks) {
    korvane::testing::TempDir dir;
    const ArchiveMember members[] = {
        {"skin.ini", Text("[TitlebarSkin]\r\nSkinName=Steel\r\n"
                          "[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nLeftTopHeight=5\r\n"
                          "[MDICONTROLS]\r\nImage=mdi.bmp\r\n[ButtonClose]\r\nButtonImage=left.bmp\r\n"
                          "Action=-1\r\nXcoord=20\r\n[Tabs]\r\nImage=left.bmp\r\nBorder=mdi.bmp\r\n"
                          "[Colours]\r\nButtonFace=0,0,255\r\n[Colour1]\r\ncolor=1 2 3\r\n")},
        {"left.bmp", encode_bmp(Image(8, 30))},
        {"mdi.bmp", encode_bmp(Image(150, 14))},
    };
    const auto package = PackSkin(members);
    std::ofstream(dir.file("steel.skn"), std::ios::binary)
        .write(reinterpret_cast<const char*>(package.data()), std::streamsize(package.size()));

    Result r = RunCommand({"info", dir.file("steel.skn")});
    ASSERT_EQ(r.code, 0) << r.err;
    for (const char* line : {
             "Skin name: Steel\nDefinition: skin.ini\nElements:\n",
             "\n  Left             8x30      frames 2   margins 0 5 0 0  trans 1 tile 1 style 0\n",
             "\n  Right            no image  frames 1   margins 0 0 0 0  trans 1 tile 1 style 0\n",
             "\n  Tabs             8x30      frames 5   margins 0 0 0 0  trans 0 tile 0 style 0"
             "  border 150x14\n",
             "\n  Progress         absent\n",
             "\nTitle-bar buttons:\n"
             "  BUTTONCLOSE      8x30      frames 6   action -1 align 0 at 20,0 visibility 0 0\n"
             "  (MDI child)      48x14     frames 4   action 7 align 100 at 48,0 visibility 100 100\n",
             "\n  ButtonFace         0 0 255\n",
             "\n  Menubar            0 0 255\n",
             "\n  ButtonText         system colour 18\n",
             "\nExtra colours:\n  1                  1 2 3\n",
         })
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n--- in ---\n" << r.out;
}

TEST(SkinpackInfo, RefusedPackagesAndWrongArgumentsAreReported) {
    korvane::testing::TempDir dir;
    Result missing = RunCommand({"info", dir.file("none.skn")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("none.skn"), std::string::npos) << missing.err;

    Result usage = RunCommand({"info"});
    EXPECT_EQ(usage.code, 2);
    EXPECT_EQ(usage.err.rfind("skinpack: info needs one package\nusage:\n", 0), 0u) << usage.err;
}

}  // namespace
}  // namespace korvane::skinpack
