#include "app/file_names.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(FileNames, NamePartFollowsTheLastSeparatorOrDriveColon) {
    EXPECT_EQ(file_name_part("C:\\work\\texts\\out.txt"), "out.txt");
    EXPECT_EQ(file_name_part("C:out.bmp"), "out.bmp");
    EXPECT_EQ(file_name_part("Z:/tmp/a b/c.d.bmp"), "c.d.bmp");
    EXPECT_EQ(file_name_part("plain"), "plain");
    EXPECT_EQ(file_name_part("C:\\dir\\"), "");
}

TEST(FileNames, ExtensionIsLookedForOnlyInTheNamePart) {
    EXPECT_EQ(extension_of("C:\\work\\out.txt"), ".txt");
    EXPECT_EQ(extension_of("C:\\work.d\\out"), "");
    EXPECT_EQ(extension_of("C:\\work\\a."), ".");
    EXPECT_EQ(extension_of("C:\\work\\archive.tar.bmp"), ".bmp");
    EXPECT_EQ(extension_of("D:.hidden"), ".hidden");
    EXPECT_EQ(extension_of("C:\\work.d/out"), "");
}

TEST(FileNames, BmpIsAppendedOnlyWithoutExtension) {
    EXPECT_EQ(with_default_extension("C:\\work\\out", ".bmp"), "C:\\work\\out.bmp");
    EXPECT_EQ(with_default_extension("C:\\work\\out.txt", ".bmp"), "C:\\work\\out.txt");
    EXPECT_EQ(with_default_extension("C:\\work\\a.", ".bmp"), "C:\\work\\a.");
    EXPECT_EQ(with_default_extension("C:\\dir.v2\\page", ".bmp"), "C:\\dir.v2\\page.bmp");
    EXPECT_EQ(with_default_extension("C:\\work\\图片", ".bmp"), "C:\\work\\图片.bmp");
}

}  // namespace
}  // namespace korvane
