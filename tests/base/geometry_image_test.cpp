#include <gtest/gtest.h>

#include "base/byte_reader.h"
#include "base/image.h"

namespace korvane {
namespace {

TEST(Rect, InvertedAndEmptyRectanglesAreEmptyAndIntersectionNeverInverts) {
    EXPECT_TRUE((Rect{5, 5, 5, 9}).is_empty());
    EXPECT_TRUE((Rect{5, 5, 2, 9}).is_empty());
    EXPECT_FALSE((Rect{0, 0, 1, 1}).is_empty());
    Rect apart = Rect{0, 0, 10, 10}.intersected({20, 30, 40, 50});
    EXPECT_TRUE(apart.is_empty());
    EXPECT_EQ(apart.width(), 0);
    EXPECT_EQ(apart.height(), 0);
    EXPECT_EQ((Rect{0, 0, 10, 10}.intersected({5, -5, 15, 5})), (Rect{5, 0, 10, 5}));
    EXPECT_TRUE((Rect{0, 0, 2, 2}).contains({1, 1}));
    EXPECT_FALSE((Rect{0, 0, 2, 2}).contains({2, 1}));
}

TEST(ImageView, SubViewIsClippedAndSharesPixels) {
    Image img(4, 3, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) img.at(x, y) = Pixel(y * 10 + x);
    MutableImageView part = img.mutable_view().sub({2, 1, 9, 9});
    ASSERT_EQ(part.width(), 2);
    ASSERT_EQ(part.height(), 2);
    EXPECT_EQ(part.at(0, 0), 12u);
    EXPECT_EQ(part.at(1, 1), 23u);
    part.at(0, 1) = 99;
    EXPECT_EQ(img.at(2, 2), 99u);
    EXPECT_TRUE(img.view().sub({10, 10, 20, 20}).empty());
    Image copy = Image::copy_of(part);
    EXPECT_EQ(copy.width(), 2);
    EXPECT_EQ(copy.at(0, 1), 99u);
}

TEST(Image, NegativeSizeGivesEmptyImage) {
    Image img(-3, 5);
    EXPECT_TRUE(img.empty());
    EXPECT_EQ(img.width(), 0);
    EXPECT_EQ(img.height(), 0);
}

TEST(Color, FrameworkColourAndPixelEncodingsConvertBothWays) {
    EXPECT_EQ(rgb(213, 222, 242), 0xF2DED5u);
    EXPECT_EQ(to_pixel(rgb(1, 2, 3)), 0xFF010203u);
    EXPECT_EQ(to_color(0x00010203u), rgb(1, 2, 3));
    EXPECT_TRUE(is_key(0x00FF00FFu));
    EXPECT_TRUE(is_key(pixel_rgb(255, 0, 255)));
    EXPECT_FALSE(is_key(pixel_rgb(255, 1, 255)));
    EXPECT_TRUE(is_system_color(system_color(15)));
}

TEST(ByteReader, ReadsLittleEndianAndRefusesShortInput) {
    const std::uint8_t bytes[] = {0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFF};
    ByteReader r(bytes);
    EXPECT_EQ(r.u16le(), 0x1234);
    EXPECT_EQ(r.u32le(), 0x12345678u);
    EXPECT_EQ(r.remaining(), 1u);
    EXPECT_THROW(r.u16le(), DecodeError);
    EXPECT_EQ(r.position(), 6u);  // a failed read moves nothing
    EXPECT_EQ(r.u8(), 0xFF);
    EXPECT_TRUE(r.at_end());
    EXPECT_THROW(r.seek(8), DecodeError);
}

}  // namespace
}  // namespace korvane
