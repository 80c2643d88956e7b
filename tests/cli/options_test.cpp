#include "options.h"
#include "page_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane::txt2bmp {
namespace {

Options parse(std::vector<std::string> args) { return parse_options(args); }

std::string usage_error(std::vector<std::string> args) {
    try {
        parse_options(args);
    } catch (const UsageError& e) {
        return e.what();
    }
    return "(accepted)";
}

TEST(Txt2bmpOptions, FilesOptionsAndDashes) {
    Options plain = parse({"in.txt", "out.bmp"});
    EXPECT_EQ(plain.input, "in.txt");
    EXPECT_EQ(plain.output, "out.bmp");
    EXPECT_FALSE(plain.encoding);
    EXPECT_EQ(plain.progress, ProgressMode::automatic);

    Options piped = parse({"--encoding", "utf-8", "-", "--quiet", "-"});
    EXPECT_EQ(piped.input, "-");
    EXPECT_EQ(piped.output, "-");
    EXPECT_EQ(piped.encoding, "utf-8");
    EXPECT_EQ(piped.progress, ProgressMode::never);

    Options joined = parse({"--encoding=big5", "--progress", "--", "--odd name", "x.bmp"});
    EXPECT_EQ(joined.encoding, "big5");
    EXPECT_EQ(joined.progress, ProgressMode::always);
    EXPECT_EQ(joined.input, "--odd name");

    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_TRUE(parse({"--version", "extra"}).version);
}

TEST(Txt2bmpOptions, FormatAndPageLines) {
    Options plain = parse({"in.txt", "out.bmp"});
    EXPECT_EQ(plain.format, OutputFormat::bmp);
    EXPECT_EQ(plain.page_lines, 0u);

    Options paged = parse({"--format", "png", "--page-lines", "40", "in.txt", "out.png"});
    EXPECT_EQ(paged.format, OutputFormat::png);
    EXPECT_EQ(paged.page_lines, 40u);
    Options joined = parse({"--format=bmp", "--page-lines=1", "in.txt", "out.bmp"});
    EXPECT_EQ(joined.format, OutputFormat::bmp);
    EXPECT_EQ(joined.page_lines, 1u);
    EXPECT_EQ(parse({"--format", "png", "-", "-"}).output, "-");

    EXPECT_EQ(usage_error({"--format", "gif", "a", "b"}), "unknown format 'gif' (bmp or png)");
    EXPECT_EQ(usage_error({"a", "b", "--format"}), "--format needs bmp or png");
    EXPECT_EQ(usage_error({"--page-lines", "0", "a", "b"}), "--page-lines needs a whole number of lines above 0, not '0'");
    EXPECT_EQ(usage_error({"--page-lines=-3", "a", "b"}), "--page-lines needs a whole number of lines above 0, not '-3'");
    EXPECT_EQ(usage_error({"--page-lines", "12x", "a", "b"}), "--page-lines needs a whole number of lines above 0, not '12x'");
    EXPECT_EQ(usage_error({"--page-lines", "99999999999999999999999", "a", "b"}),
              "--page-lines needs a whole number of lines above 0, not '99999999999999999999999'");
    EXPECT_EQ(usage_error({"a", "b", "--page-lines"}), "--page-lines needs a number of lines");
    EXPECT_EQ(usage_error({"--page-lines", "5", "a", "-"}),
              "--page-lines needs an OUTPUT file name to number the pages after");
}

TEST(Txt2bmpOptions, PageFilesAreNumberedWithThePageCountsDigits) {
    EXPECT_EQ(page_file_names("out.bmp", 3), (std::vector<std::string>{"out-1.bmp", "out-2.bmp", "out-3.bmp"}));
    std::vector<std::string> twelve = page_file_names("dir.v2/notes.png", 12);
    EXPECT_EQ(twelve.front(), "dir.v2/notes-01.png");
    EXPECT_EQ(twelve.back(), "dir.v2/notes-12.png");
    EXPECT_EQ(page_file_names("a.b.bmp", 100)[6], "a.b-007.bmp");
    EXPECT_EQ(page_file_names("dir.v2/noext", 1), std::vector<std::string>{"dir.v2/noext-1"});
    EXPECT_EQ(page_file_names(".hidden", 2), (std::vector<std::string>{".hidden-1", ".hidden-2"}));
}

TEST(Txt2bmpOptions, MistakesAreUsageErrors) {
    EXPECT_EQ(usage_error({}), "an INPUT and an OUTPUT file are needed");
    EXPECT_EQ(usage_error({"in.txt"}), "an INPUT and an OUTPUT file are needed");
    EXPECT_EQ(usage_error({"a", "b", "c"}), "unexpected argument c");
    EXPECT_EQ(usage_error({"--colour", "a", "b"}), "unknown option --colour");
    EXPECT_EQ(usage_error({"a", "b", "--encoding"}), "--encoding needs an encoding name");
    EXPECT_EQ(usage_error({"--encoding=", "a", "b"}), "--encoding needs an encoding name");
}

}  // namespace
}  // namespace korvane::txt2bmp
