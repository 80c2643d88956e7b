// Runs the txt2bmp program itself: files, pipes, exit codes and messages.

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
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

    // What the command prints on standard output when that is a pipe.
    std::string piped_output(const std::string& arguments) {
        std::string command = "cd '" + dir.path().string() + "' && '" TXT2BMP_PATH "' " + arguments + " 2>/dev/null";
        std::string out;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[4096];
            while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, got);
            pclose(pipe);
        }
        return out;
    }

    TempDir dir;
};

// Decodes a PNG file to 8-bit gray, row by row from the top.
struct GrayImage {
    int width = 0, height = 0;
    std::string pixels;
};
GrayImage decode_png(const std::string& bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    GrayImage out;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return out;
    image.format = PNG_FORMAT_GRAY;
    out.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) return out;
    out.width = int(image.width);
    out.height = int(image.height);
    return out;
}

std::string lines_text(int first, int count) {
    std::string text;
    for (int i = first; i < first + count; ++i) text += "line " + std::string(std::size_t(i % 7), 'x') + "\r\n";
    return text;
}

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
    EXPECT_NE(help.out.find("\n  --format FORMAT  bmp (the default) or png"), std::string::npos);
    EXPECT_NE(help.out.find("\n  --page-lines N   a page for every N lines"), std::string::npos);
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

TEST_F(Txt2bmp, PngHoldsTheBmpsPixels) {
    write_bytes(dir.file("in.txt"), kText + "\xB0\xA1\xC4\xE3\n\n\tlast");
    Outcome png = run("--format png in.txt out.png");
    ASSERT_EQ(png.exit_code, 0) << png.err;
    std::string file = read_bytes(dir.file("out.png"));
    EXPECT_EQ(file.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(file[24], 1);  // bit depth
    EXPECT_EQ(file[25], 0);  // grayscale
    GrayImage image = decode_png(file);
    PageImage page = render_text_page(TextLines(kText + "\xB0\xA1\xC4\xE3\n\n\tlast"), embedded_font_tables());
    ASSERT_EQ(image.width, page.width());
    ASSERT_EQ(image.height, page.height());
    int differences = 0, ink = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            auto gray = std::uint8_t(image.pixels[std::size_t(y) * std::size_t(image.width) + std::size_t(x)]);
            differences += (gray == 0) != page.is_ink(x, y) || (gray != 0 && gray != 255);
            ink += page.is_ink(x, y);
        }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(ink, 100);

    // Taller than libpng's default bound of a million rows.
    write_bytes(dir.file("tall.txt"), std::string(60000, '\n'));
    ASSERT_EQ(run("--format png tall.txt tall.png").exit_code, 0);
    std::string tall = read_bytes(dir.file("tall.png"));
    ASSERT_GE(tall.size(), 24u);
    EXPECT_EQ(tall.substr(16, 8), std::string("\0\0\0\x3C\0\x12\x4F\xBC", 8));  // 60 x 1,200,060

    // Through a pipe, the same file.
    Outcome piped = run("--format png - -", dir.file("in.txt"));
    EXPECT_EQ(piped.exit_code, 0);
    EXPECT_EQ(piped.out, file);
}

TEST_F(Txt2bmp, PagesOfNLines) {
    write_bytes(dir.file("five.txt"), lines_text(0, 5));
    // N larger than the text: one page, the whole text.
    Outcome one = run("--page-lines 9 five.txt big.bmp");
    EXPECT_EQ(one.exit_code, 0) << one.err;
    EXPECT_EQ(read_bytes(dir.file("big-1.bmp")), bmp_of(lines_text(0, 5)));
    EXPECT_FALSE(std::filesystem::exists(dir.file("big.bmp")));

    // A last page with fewer lines, each page sized by its own lines.
    Outcome pairs = run("--page-lines 2 five.txt pair.bmp");
    EXPECT_EQ(pairs.exit_code, 0) << pairs.err;
    EXPECT_EQ(read_bytes(dir.file("pair-1.bmp")), bmp_of(lines_text(0, 2)));
    EXPECT_EQ(read_bytes(dir.file("pair-2.bmp")), bmp_of(lines_text(2, 2)));
    EXPECT_EQ(read_bytes(dir.file("pair-3.bmp")), bmp_of(lines_text(4, 1)));
    EXPECT_FALSE(std::filesystem::exists(dir.file("pair-4.bmp")));

    // N = 1 over twelve lines: two-digit numbers; PNG pages too.
    write_bytes(dir.file("twelve.txt"), lines_text(0, 12));
    Outcome single = run("--page-lines 1 --format png twelve.txt one.png");
    EXPECT_EQ(single.exit_code, 0) << single.err;
    for (int page = 1; page <= 12; ++page) {
        std::string name = dir.file((page < 10 ? "one-0" : "one-") + std::to_string(page) + ".png");
        GrayImage image = decode_png(read_bytes(name));
        EXPECT_EQ(image.width, 60 + 8 * int(lines_text(page - 1, 1).size() - 2)) << name;
        EXPECT_EQ(image.height, 80) << name;
    }

    // An empty text is one empty page.
    write_bytes(dir.file("empty.txt"), "");
    EXPECT_EQ(run("--page-lines 3 empty.txt e.bmp").exit_code, 0);
    EXPECT_EQ(read_bytes(dir.file("e-1.bmp")), bmp_of(""));
}

TEST_F(Txt2bmp, AFailureOnAnyPageLeavesNoPageAndKeepsWhatWasThere) {
    // Page 1 is small; page 2 holds a line of 20,000 bytes, a BMP of 1.6 MB.
    write_bytes(dir.file("in.txt"), "short\n" + std::string(20000, 'w') + "\nthird\n");
    write_bytes(dir.file("out-1.bmp"), "old page one");
    // A disk full at 64 KB (a file-size limit, its signal ignored): page 2 fails.
    std::string limited = "sh -c \"trap '' XFSZ; ulimit -f 128; exec '" TXT2BMP_PATH "' --page-lines 1 in.txt out.bmp\"";
    std::string command = "cd '" + dir.path().string() + "' && " + limited + " 2>'" + dir.file(".stderr") + "'";
    int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    EXPECT_EQ(read_bytes(dir.file(".stderr")), "txt2bmp: Stream write error\n");
    std::filesystem::remove(dir.file(".stderr"));
    EXPECT_EQ(read_bytes(dir.file("out-1.bmp")), "old page one");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"in.txt", "out-1.bmp"}));

    // A folder where page 3 goes: refused before anything replaces page 1.
    std::filesystem::create_directory(dir.file("out-3.bmp"));
    Outcome folder = run("--page-lines 1 in.txt out.bmp");
    EXPECT_EQ(folder.exit_code, 1);
    EXPECT_EQ(folder.err, "txt2bmp: Cannot create file \"out-3.bmp\". Is a directory\n");
    EXPECT_EQ(read_bytes(dir.file("out-1.bmp")), "old page one");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"in.txt", "out-1.bmp", "out-3.bmp"}));
}

TEST_F(Txt2bmp, UnboundedInputIsRefusedOnceThePageIsTooLarge) {
    Outcome zeros = run("/dev/zero out.bmp");
    EXPECT_EQ(zeros.exit_code, 1);
    EXPECT_EQ(zeros.err.rfind("txt2bmp: The page of at least ", 0), 0u) << zeros.err;
    EXPECT_NE(zeros.err.find(" x 80 pixels is too large for a BMP file\n"), std::string::npos) << zeros.err;

    std::string command = "cd '" + dir.path().string() + "' && yes | '" TXT2BMP_PATH "' - out.bmp 2>'" +
                          dir.file(".stderr") + "'";
    int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    std::string err = read_bytes(dir.file(".stderr"));
    std::filesystem::remove(dir.file(".stderr"));
    EXPECT_EQ(err.rfind("txt2bmp: The page of at least 68 x ", 0), 0u) << err;

    // Text of another encoding is converted as it is read, with the same bound.
    command = "cd '" + dir.path().string() + "' && yes | '" TXT2BMP_PATH "' --encoding utf-8 - out.bmp 2>'" +
              dir.file(".stderr") + "'";
    status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    err = read_bytes(dir.file(".stderr"));
    std::filesystem::remove(dir.file(".stderr"));
    EXPECT_EQ(err.rfind("txt2bmp: The page of at least 68 x ", 0), 0u) << err;
    EXPECT_EQ(dir.names(), std::vector<std::string>{});
}

TEST_F(Txt2bmp, RunningOutOfMemoryIsAMessageAndExitOne) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer needs more address space than any limit leaves";
#else
    // 16 MB of address space cannot hold the 27 MB line /dev/zero grows to.
    std::string command = "cd '" + dir.path().string() + "' && ulimit -v 16384 && '" TXT2BMP_PATH
                          "' /dev/zero out.bmp 2>'" + dir.file(".stderr") + "'";
    int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    EXPECT_EQ(read_bytes(dir.file(".stderr")), "txt2bmp: Out of system resources\n");
#endif
}

TEST_F(Txt2bmp, OddTargets) {
    write_bytes(dir.file("in.txt"), kText);
    // The source as its own target, directly or through a link.
    Outcome same = run("in.txt in.txt");
    EXPECT_EQ(same.exit_code, 1);
    EXPECT_EQ(same.err, "txt2bmp: Cannot create file \"in.txt\". It is the text file being converted\n");
    std::filesystem::create_symlink("in.txt", dir.file("link.bmp"));
    EXPECT_EQ(run("in.txt link.bmp").exit_code, 1);
    EXPECT_EQ(read_bytes(dir.file("in.txt")), kText);
    std::filesystem::remove(dir.file("link.bmp"));

    // A link to standard output writes to standard output and stays a link.
    std::filesystem::create_symlink("/proc/self/fd/1", dir.file("o"));
    EXPECT_EQ(piped_output("in.txt o"), bmp_of(kText));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("o")));

    // A name of 254 bytes is legal, and is written.
    std::string long_name = std::string(250, 'n') + ".bmp";
    Outcome long_target = run("in.txt " + long_name);
    EXPECT_EQ(long_target.exit_code, 0) << long_target.err;
    EXPECT_EQ(read_bytes(dir.file(long_name)), bmp_of(kText));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"in.txt", long_name, "o"}));
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
