// Runs the txt2bmp program itself: files, pipes, exit codes and messages.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "base/file_io_testing.h"
#include "convert/bmp_writer.h"
#include "convert/converter.h"
#include "convert/embedded_fonts.h"

namespace korvane {
namespace {

using testing::read_bytes;
using testing::TempDir;
using testing::write_bytes;

struct Outcome {
    int exit_code;
    std::string out;
    std::string err;
};

class Txt2bmp : public ::testing::Test {
protected:
    // Runs txt2bmp with the arguments (shell words) in the test's folder.
    Outcome run(const std::string& arguments, const std::string& stdin_file = "/dev/null") {
        std::string command = "cd '" + dir.path().string() + "' && '" TXT2BMP_PATH "' " + arguments + " <" +
                              stdin_file + " >'" + dir.file(".stdout") + "' 2>'" + dir.file(".stderr") + "'";
        int status = std::system(command.c_str());
        Outcome result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_bytes(dir.file(".stdout")),
                   read_bytes(dir.file(".stderr"))};
        std::filesystem::remove(dir.file(".stdout"));
        std::filesystem::remove(dir.file(".stderr"));
        return result;
    }

    // The BMP file the converter writes for the text.
    static std::string bmp_of(const std::string& text) {
        PageImage page = render_text_page(TextLines(text), embedded_font_tables());
        auto header = bmp_header(page);
        return std::string(header.begin(), header.end()) +
               std::string(page.bmp_rows().begin(), page.bmp_rows().end());
    }

    TempDir dir;
};

const std::string kText = "Hello \xC4\xE3\xBA\xC3\r\n\tworld\n";

TEST_F(Txt2bmp, ConvertsFilesAndPipesToTheSameBytes) {
    write_bytes(dir.file("in.txt"), kText);
    Outcome to_file = run("in.txt out.bmp");
    EXPECT_EQ(to_file.exit_code, 0) << to_file.err;
    EXPECT_EQ(to_file.err, "");
    EXPECT_EQ(read_bytes(dir.file("out.bmp")), bmp_of(kText));

    Outcome piped = run("- -", dir.file("in.txt"));
    EXPECT_EQ(piped.exit_code, 0) << piped.err;
    EXPECT_EQ(piped.out, bmp_of(kText));
}

TEST_F(Txt2bmp, AConversionErrorExitsOneAndWritesNothing) {
    Outcome missing = run("missing.txt out.bmp");
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_EQ(missing.err, "txt2bmp: missing.txt: File not found\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.bmp")));

    write_bytes(dir.file("in.txt"), kText);
    Outcome no_folder = run("in.txt nowhere/out.bmp");
    EXPECT_EQ(no_folder.exit_code, 1);
    EXPECT_EQ(no_folder.err, "txt2bmp: Cannot create file \"nowhere/out.bmp\". No such file or directory\n");

    write_bytes(dir.file("bad.txt"), "ok\xFF");
    write_bytes(dir.file("out.bmp"), "previous");
    Outcome bad_text = run("--encoding utf-8 bad.txt out.bmp");
    EXPECT_EQ(bad_text.exit_code, 1);
    EXPECT_EQ(bad_text.err, "txt2bmp: The input is not valid utf-8 text at byte offset 2\n");
    EXPECT_EQ(read_bytes(dir.file("out.bmp")), "previous");
}

TEST_F(Txt2bmp, UsageErrorsExitTwo) {
    Outcome none = run("");
    EXPECT_EQ(none.exit_code, 2);
    EXPECT_EQ(none.err, "txt2bmp: an INPUT and an OUTPUT file are needed\nTry 'txt2bmp --help'.\n");
    EXPECT_EQ(run("--bogus a b").exit_code, 2);
    write_bytes(dir.file("in.txt"), kText);
    Outcome unknown = run("--encoding klingon in.txt out.bmp");
    EXPECT_EQ(unknown.exit_code, 2);
    EXPECT_EQ(unknown.err, "txt2bmp: unknown encoding klingon\nTry 'txt2bmp --help'.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.bmp")));

    Outcome help = run("--help");
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_EQ(help.out.rfind("Usage: txt2bmp [options] INPUT OUTPUT\n", 0), 0u);
    Outcome version = run("--version");
    EXPECT_EQ(version.exit_code, 0);
    EXPECT_EQ(version.out, "txt2bmp 1.0\n");
}

TEST_F(Txt2bmp, EncodingOptionConvertsAndCountsReplacements) {
    // "你好 😀 ok" in UTF-8: the emoji has no GBK form.
    write_bytes(dir.file("in.txt"), "\xE4\xBD\xA0\xE5\xA5\xBD \xF0\x9F\x98\x80 ok\n");
    Outcome warned = run("--encoding utf-8 in.txt out.bmp");
    EXPECT_EQ(warned.exit_code, 0);
    EXPECT_EQ(warned.err, "txt2bmp: warning: 1 character without a GBK form written as '?'\n");
    EXPECT_EQ(read_bytes(dir.file("out.bmp")), bmp_of("\xC4\xE3\xBA\xC3 ? ok\n"));

    Outcome quiet = run("--quiet --encoding utf-8 in.txt out.bmp");
    EXPECT_EQ(quiet.exit_code, 0);
    EXPECT_EQ(quiet.err, "");
}

TEST_F(Txt2bmp, ProgressIsShownWhenForced) {
    write_bytes(dir.file("in.txt"), "a\nb\nc\n");
    Outcome forced = run("--progress in.txt out.bmp");
    EXPECT_EQ(forced.exit_code, 0);
    std::string full(40, '#');
    EXPECT_EQ(forced.err, "\r[" + std::string(40, '.') + "]   0%\r[" + std::string(20, '#') +
                              std::string(20, '.') + "]  50%\r[" + full + "] 100%\n");
    // Without a terminal and without the option nothing is shown.
    EXPECT_EQ(run("in.txt out.bmp").err, "");
}

TEST_F(Txt2bmp, HelpAndVersionFailWhenStandardOutputCannotBeWritten) {
    for (const std::string option : {"--help", "--version"}) {
        const std::string command = "'" TXT2BMP_PATH "' " + option + " >/dev/full 2>'" +
                                    dir.file(".stderr") + "'";
        const int status = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1) << option;
        EXPECT_EQ(read_bytes(dir.file(".stderr")),
                  "txt2bmp: cannot write standard output: No space left on device\n");
    }
}

}  // namespace
}  // namespace korvane
