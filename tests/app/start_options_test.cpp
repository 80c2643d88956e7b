#include "app/start_options.h"

#include <gtest/gtest.h>

#include <vector>

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

}  // namespace
}  // namespace korvane
