#include <gtest/gtest.h>

#include "base/ini.h"

namespace korvane {
namespace {

TEST(IniFile, SectionsAndKeysIgnoreCaseAndSectionsKeepFileOrder) {
    IniFile ini(
        "[Personality]\r\nLeft = frameleft.bmp \r\n"
        "[ButtonClose]\nAction=0\n"
        "[Colours]\rButtonFace=0,0,255\r");
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"Personality", "ButtonClose", "Colours"}));
    EXPECT_EQ(ini.read_string("PERSONALITY", "left", ""), "frameleft.bmp");
    EXPECT_EQ(ini.read_string("colours", "BUTTONFACE", ""), "0,0,255");
    EXPECT_EQ(ini.read_integer("buttonclose", "ACTION", -1), 0);
    EXPECT_EQ(ini.read_string("Colours", "Missing", "fallback"), "fallback");
    EXPECT_EQ(ini.read_string("Missing", "ButtonFace", "fallback"), "fallback");
}

TEST(IniFile, DuplicatesAreListedButLookupsSeeTheFirst) {
    IniFile ini("[A]\nk=1\nk=2\n[B]\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"A", "B", "a"}));
    EXPECT_EQ(ini.read_integer("A", "K", 0), 1);
    EXPECT_EQ(ini.read_integer("A", "j", -7), -7);
}

TEST(IniFile, StrayLinesCommentsAndKeysBeforeAnySectionAreIgnored) {
    IniFile ini(
        "\xEF\xBB\xBF" "orphan=1\n"
        "; [NotASection]\n"
        "  [ Spaced ]  \n"
        "just some words\n"
        "empty=\n"
        "quoted=\"  two blanks\"\n"
        "half=\"open\n"
        "eq=a=b\n"
        "[Unclosed\n"
        "x=5\n");
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"Spaced", "Unclosed"}));
    EXPECT_EQ(ini.read_string("Spaced", "orphan", "none"), "none");
    EXPECT_EQ(ini.read_string("Spaced", "empty", "default"), "");
    EXPECT_EQ(ini.read_string("Spaced", "quoted", ""), "  two blanks");
    EXPECT_EQ(ini.read_string("Spaced", "half", ""), "\"open");
    EXPECT_EQ(ini.read_string("Spaced", "eq", ""), "a=b");
    EXPECT_EQ(ini.read_integer("Unclosed", "x", 0), 5);
}

TEST(IniFile, IntegerRuleHexOnlyAfterTwoCharactersOtherwiseSignedDecimal) {
    IniFile ini(
        "[N]\n"
        "hex=0x1F\nupper=0XfF\nwrap=0xFFFFFFFF\nlong=0x100000000\nbare=0x\nbadhex=0x1G\n"
        "neg=-12\nplus=+7\nmax=2147483647\nmin=-2147483648\nover=2147483648\n"
        "text=abc\nempty=\nblank=1 2\ndollar=$10\n");
    EXPECT_EQ(ini.read_integer("N", "hex", -1), 31);
    EXPECT_EQ(ini.read_integer("N", "upper", -1), 255);
    EXPECT_EQ(ini.read_integer("N", "wrap", -1), -1);
    EXPECT_EQ(ini.read_integer("N", "long", 9), 9);
    EXPECT_EQ(ini.read_integer("N", "bare", 9), 9);
    EXPECT_EQ(ini.read_integer("N", "badhex", 9), 9);
    EXPECT_EQ(ini.read_integer("N", "neg", 0), -12);
    EXPECT_EQ(ini.read_integer("N", "plus", 0), 7);
    EXPECT_EQ(ini.read_integer("N", "max", 0), 2147483647);
    EXPECT_EQ(ini.read_integer("N", "min", 0), -2147483647 - 1);
    EXPECT_EQ(ini.read_integer("N", "over", 9), 9);
    EXPECT_EQ(ini.read_integer("N", "text", 9), 9);
    EXPECT_EQ(ini.read_integer("N", "empty", 9), 9);
    EXPECT_EQ(ini.read_integer("N", "blank", 9), 9);
    EXPECT_EQ(ini.read_integer("N", "dollar", 9), 9);
    EXPECT_EQ(ini.read_integer("N", "absent", 9), 9);
}

}  // namespace
}  // namespace korvane
