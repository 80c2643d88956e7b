// Runs the skinpack program itself, for what only a process shows: its
// standard output going nowhere.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "base/file_io_testing.h"

namespace korvane {
namespace {

using testing::read_bytes;
using testing::TempDir;

TEST(SkinpackProgram, EveryCommandFailsWhenStandardOutputCannotBeWritten) {
    TempDir dir;
    const std::string skin = KORVANE_TEST_DATA "/../../data/skins/default.skn";
    for (const std::string& arguments :
         {std::string("--help"), "list '" + skin + "'", "info '" + skin + "'",
          "unpack '" + skin + "' '" + dir.file("out") + "'"}) {
        const std::string command =
            "'" SKINPACK_PATH "' " + arguments + " >/dev/full 2>'" + dir.file("err") + "'";
        const int status = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, arguments.starts_with("unpack") ? 0 : 1)
            << arguments;
        EXPECT_EQ(read_bytes(dir.file("err")),
                  arguments.starts_with("unpack")
                      ? ""
                      : "skinpack: cannot write standard output: No space left on device\n")
            << arguments;
    }
}

}  // namespace
}  // namespace korvane
