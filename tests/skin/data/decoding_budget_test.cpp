// Small inputs that claim large results: the memory they take is measured
// with the allocation meter, which counts every byte this program holds.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "base/bmp.h"
#include "base/error.h"
#include "skin/data/lzh.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_reader_notice.h"
#include "skinpack/archive_writer.h"
#include "support/allocation_meter.h"

namespace korvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::peak_allocation_during;

constexpr std::size_t kMB = 1 << 20;

void Put16(Bytes& out, unsigned v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A bitmap file with a 40-byte info header, a two-colour palette for the
// palette depths, and pixel data as given.
Bytes BitmapFile(int width, int height, int bits, std::uint32_t compression, const Bytes& data) {
    const std::uint32_t palette = bits <= 8 ? 8 : 0;
    const std::uint32_t offset = 14 + 40 + palette;
    Bytes file = {'B', 'M'};
    Put32(file, offset + std::uint32_t(data.size()));
    Put32(file, 0);
    Put32(file, offset);
    Put32(file, 40);
    Put32(file, std::uint32_t(width));
    Put32(file, std::uint32_t(height));
    Put16(file, 1);
    Put16(file, unsigned(bits));
    Put32(file, compression);
    Put32(file, 0);
    Put32(file, 0);
    Put32(file, 0);
    Put32(file, palette ? 2 : 0);
    Put32(file, 0);
    if (palette) file.insert(file.end(), {0, 0, 0, 0, 255, 255, 255, 0});
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
// The run-length code of an image left entirely at colour 0: end of bitmap.
const Bytes kEndOfBitmap = {0, 1};

std::string DecodeMessage(const Bytes& file) {
    try {
        decode_bmp(file);
    } catch (const DecodeError& e) {
        return e.what();
    }
    return "decoded";
}

TEST(DecodingBudget, BitmapsWhoseDataCannotBeInTheFileAreRefusedBeforeAllocation) {
    // 5000 x 5000 24-bit rows (75 MB) claimed by a file of 154 bytes.
    const Bytes short_rows = BitmapFile(5000, 5000, 24, 0, Bytes(100, 7));
    std::string message;
    EXPECT_LT(peak_allocation_during([&] { message = DecodeMessage(short_rows); }), kMB);
    EXPECT_EQ(message, "Bitmap image is not valid: pixel data cut short");

    // A run-length code without its end: two runs, then the file ends.
    const Bytes cut_code = BitmapFile(4000, 4000, 8, kRle8, Bytes{255, 1, 255, 1});
    EXPECT_LT(peak_allocation_during([&] { message = DecodeMessage(cut_code); }), kMB);
    EXPECT_EQ(message, "Unexpected end of data reading a byte at offset 66");

    // A complete code may leave most of a large image at colour 0, so such a
    // file is decoded, within the caller's bound.
    const Bytes blank = BitmapFile(3000, 3000, 4, kRle4, kEndOfBitmap);
    EXPECT_EQ(decode_bmp(blank).size(), (Size{3000, 3000}));
    try {
        decode_bmp(blank, 3000 * 3000 - 1);
        FAIL() << "the image was larger than the bound";
    } catch (const DecodeError& e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid: image too large");
    }
}

// A package's members by name, counting how often each is asked for.
struct CountingMembers {
    std::map<std::string, Bytes> bytes;
    std::map<std::string, int> asked;

    SkinMemberLookup Lookup() {
        return [this](std::string_view name) {
            ++asked[std::string(name)];
            auto it = bytes.find(std::string(name));
            return it == bytes.end() ? Bytes() : it->second;
        };
    }
};

// count title-bar button sections whose ButtonImage is image.
std::string ButtonsNaming(const std::string& image, int count) {
    std::string definition;
    for (int i = 0; i < count; ++i)
        definition += "[Button" + std::to_string(i) + "]\r\nframe=3\r\nButtonImage=" + image + "\r\n";
    return definition;
}

int ButtonsWithImages(const SkinModel& skin) {
    int with_image = 0;
    for (const TDataSkinSysButton& button : skin.SysButtons) with_image += !button.Bitmap.empty();
    return with_image;
}

TEST(DecodingBudget, AnImageNamedByManySectionsIsDecodedOnceAndHeldWithinTheSkinBudget) {
    // 1024 x 1024 pixels (4 MB) from a 2-byte code, named by 40 buttons: 16
    // copies fill the 2^24-pixel budget, the other buttons get no image.
    CountingMembers members;
    members.bytes["big.bmp"] = BitmapFile(1024, 1024, 8, kRle8, kEndOfBitmap);
    const std::string definition = ButtonsNaming("big.bmp", 40);
    SkinModel skin;
    const std::size_t peak = peak_allocation_during(
        [&] { skin = ReadSkinDefinition(definition, members.Lookup()); });
    EXPECT_EQ(members.asked["big.bmp"], 1);
    EXPECT_EQ(ButtonsWithImages(skin), 16);
    // The images held, one decoded image kept for copying, and the definition's own records.
    EXPECT_LT(peak, std::size_t(kMaxSkinPixels) * 4 + 4 * kMB + 4 * kMB);
}

TEST(DecodingBudget, AnImageLargerThanTheSkinBudgetIsNeverAllocated) {
    // The largest image a bitmap may hold, 5792 x 5792, from a 2-byte code,
    // and an RLE4 one of 22 million pixels from a few hundred bytes, each named
    // by every title-bar button of a 1 KB package.
    Bytes runs(380, 0x11);  // 190 runs of 17 pixels
    runs.insert(runs.end(), kEndOfBitmap.begin(), kEndOfBitmap.end());
    for (const Bytes& huge : {BitmapFile(5792, 5792, 8, kRle8, kEndOfBitmap),
                              BitmapFile(4700, 4700, 4, kRle4, runs)}) {
        std::string definition = ButtonsNaming("huge.bmp", 100);
        const ArchiveMember archive[] = {{"skin.ini", Bytes(definition.begin(), definition.end())},
                                         {"huge.bmp", huge}};
        const Bytes package = PackSkin(archive);
        std::optional<SkinModel> skin;
        const std::size_t peak = peak_allocation_during([&] { skin = LoadSkinPackage(package); });
        ASSERT_TRUE(skin);
        EXPECT_EQ(ButtonsWithImages(*skin), 0);
        EXPECT_LT(peak, 2 * kMB);
    }
}

Bytes RandomBytes(std::size_t count) {
    std::mt19937 random(20);
    Bytes bytes(count);
    for (auto& b : bytes) b = std::uint8_t(random());
    return bytes;
}

std::string ExpandMessage(const Bytes& stream) {
    try {
        ExpandLzhStream(stream);
    } catch (const ElzhException& e) {
        return e.what();
    }
    return "expanded";
}

TEST(DecodingBudget, LzhStreamsThatClaimMoreThanTheirCodeCanHoldStopEarly) {
    // 4.5 MB of code (the size guard of 60 bytes per bit let 2^31 - 1 through).
    Bytes stream = {0xFF, 0xFF, 0xFF, 0x7F};
    const Bytes code = RandomBytes(4608 * 1024);
    stream.insert(stream.end(), code.begin(), code.end());
    std::string message;
    EXPECT_LT(peak_allocation_during([&] { message = ExpandMessage(stream); }), 64u * 1024);
    EXPECT_EQ(message, "LZH : Size 2147483647 is more than 4718592 bytes of code can hold");

    // A size the guard allows, over zero bits that decode to short literals:
    // the decoder stops a few bytes past the end of the code.
    const std::int32_t allowed = (64 * 1024 + kLzhBytesPastCode) * kLzhMaxExpansion;
    Bytes zeros = {std::uint8_t(allowed), std::uint8_t(allowed >> 8), std::uint8_t(allowed >> 16), 0};
    zeros.resize(4 + 64 * 1024, 0);
    EXPECT_LT(peak_allocation_during([&] { message = ExpandMessage(zeros); }),
              std::size_t(allowed) + 64 * 1024);
    EXPECT_EQ(message, "LZH : The code ends before its size is reached");
}

}  // namespace
}  // namespace korvane
