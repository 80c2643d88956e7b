#include "options.h"

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
