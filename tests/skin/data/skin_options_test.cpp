#include "skin/data/skin_options.h"

#include <gtest/gtest.h>

#include <string>

#include "base/error.h"

namespace korvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string error_of(const Bytes& stream) {
    try {
        ReadSkinStream(stream);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(SkinControlTypes, DefaultMaskIsEveryKindButFastReportInDeclarationOrder) {
    EXPECT_EQ(kDefaultSkinControls.mask(), 0x1FFFFu);
    EXPECT_FALSE(kDefaultSkinControls.contains(xcFastReport));
    EXPECT_TRUE(kDefaultSkinControls.contains(xcTab));
    EXPECT_EQ(int(xcFastReport), 17);
    EXPECT_EQ(std::size(kSkinControlTypeNames), 18u);
    EXPECT_EQ(kSkinControlTypeNames[xcSpeedButton], "xcSpeedButton");
    EXPECT_EQ(kSkinFormTypeNames[sfDialog], "sfDialog");
}

TEST(FormSkinQuestion, MonthCalendarsNeverAndFastReportOnlyWhenChosen) {
    EXPECT_FALSE(IsFormClassSkinned("SysMonthCal32", kDefaultSkinControls));
    EXPECT_TRUE(IsFormClassSkinned("TfrDesigner", kDefaultSkinControls));
    const TSkinControlTypes with_report = kDefaultSkinControls + TSkinControlTypes{xcFastReport};
    EXPECT_FALSE(IsFormClassSkinned("TfrDesigner", with_report));
    EXPECT_TRUE(IsFormClassSkinned("TFRDesigner", with_report));  // the prefix is case-sensitive
    EXPECT_TRUE(IsFormClassSkinned("#32770", with_report));
    EXPECT_TRUE(IsFormClassSkinned("sysmonthcal32", kDefaultSkinControls));
}

TEST(SkinStream, WritesALittleEndianCountThenTheBytes) {
    EXPECT_EQ(WriteSkinStream({}), (Bytes{0, 0, 0, 0}));
    Bytes package(0x0102, 7);
    const Bytes stream = WriteSkinStream(package);
    ASSERT_EQ(stream.size(), 4u + 0x0102u);
    EXPECT_EQ((Bytes(stream.begin(), stream.begin() + 4)), (Bytes{0x02, 0x01, 0, 0}));
    EXPECT_EQ(Bytes(stream.begin() + 4, stream.end()), package);
    const auto back = ReadSkinStream(stream);
    EXPECT_EQ(Bytes(back.begin(), back.end()), package);
}

TEST(SkinStream, TakesOnlyTheCountedBytes) {
    const Bytes stream{2, 0, 0, 0, 'a', 'b', 'c'};
    const auto bytes = ReadSkinStream(stream);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), (Bytes{'a', 'b'}));
    const Bytes empty{0, 0, 0, 0};
    EXPECT_TRUE(ReadSkinStream(empty).empty());
}

TEST(SkinStream, NegativeOrOversizedCountsAndShortStreamsAreRefusedWithTheirNumbers) {
    EXPECT_EQ(error_of({0xFF, 0xFF, 0xFF, 0xFF, 1}),
              "The skin stream announces -1 bytes of skin package but holds 1; the skin is kept "
              "as it was");
    EXPECT_EQ(error_of({3, 0, 0, 0, 'a', 'b'}),
              "The skin stream announces 3 bytes of skin package but holds 2; the skin is kept as "
              "it was");
    EXPECT_EQ(error_of({0, 0, 0, 0x80}),
              "The skin stream announces -2147483648 bytes of skin package but holds 0; the skin "
              "is kept as it was");
    EXPECT_EQ(error_of({1, 0}),
              "The skin stream holds 2 bytes, too few for its byte count; the skin is kept as it "
              "was");
}

}  // namespace
}  // namespace korvane
