#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "base/bmp.h"
#include "base/error.h"

namespace korvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes read_file(const std::string& name) {
    std::ifstream in(std::string(KORVANE_TEST_DATA) + "/bmp/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The binary PPM (P6, maxval 255) that ImageMagick wrote beside each fixture.
Image read_ppm(const std::string& name) {
    Bytes b = read_file(name);
    std::string text(b.begin(), b.end());
    int width = 0, height = 0, maxval = 0, header = 0;
    EXPECT_EQ(std::sscanf(text.c_str(), "P6 %d %d %d%n", &width, &height, &maxval, &header), 3);
    EXPECT_EQ(maxval, 255);
    Image image(width, height);
    const std::uint8_t* p = b.data() + header + 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, p += 3) image.at(x, y) = pixel_rgb(p[0], p[1], p[2]);
    return image;
}

void expect_same_pixels(const Image& actual, const Image& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            ASSERT_EQ(actual.at(x, y), expected.at(x, y)) << "pixel " << x << "," << y;
}

const char* const kFixtures[] = {
    "pal1",  "pal4",      "pal8",         "rle4",           "rle8",
    "rgb16", "rgb24",     "rgb32",        "bitfields565",   "bitfields565_v5",
    "core8", "core24",    "bitfields32_v5", "topdown24",
};

TEST(BmpDecoder, MatchesImageMagickInEveryDepthAndCompression) {
    for (const char* name : kFixtures) {
        SCOPED_TRACE(name);
        expect_same_pixels(decode_bmp(read_file(std::string(name) + ".bmp")),
                           read_ppm(std::string(name) + ".ppm"));
    }
}

TEST(BmpDecoder, EveryTruncationOfEveryFixtureIsAnError) {
    for (const char* name : kFixtures) {
        SCOPED_TRACE(name);
        Bytes file = read_file(std::string(name) + ".bmp");
        // Only the padding of the last row may be missing.
        for (std::size_t n = 0; n + 4 <= file.size(); ++n)
            EXPECT_THROW(decode_bmp(std::span(file).first(n)), DecodeError) << "length " << n;
    }
}

// A 40-byte-header file: 8 bits, `palette` colours, pixel rows as given.
Bytes eight_bit_file(int width, int height, std::uint32_t compression, const Bytes& palette,
                     const Bytes& data) {
    Bytes f = {'B', 'M'};
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) f.push_back(std::uint8_t(v >> 8 * i));
    };
    u32(0);
    u32(0);
    u32(std::uint32_t(54 + palette.size()));
    u32(40);
    u32(std::uint32_t(width));
    u32(std::uint32_t(height));
    f.insert(f.end(), {1, 0, 8, 0});
    u32(compression);
    u32(0);
    u32(0);
    u32(0);
    u32(std::uint32_t(palette.size() / 4));
    u32(0);
    f.insert(f.end(), palette.begin(), palette.end());
    f.insert(f.end(), data.begin(), data.end());
    return f;
}

const Bytes kRedGreenPalette = {0, 0, 255, 0, 0, 255, 0, 0};

TEST(BmpDecoder, IndexOutsideThePaletteIsBlack) {
    Image image = decode_bmp(eight_bit_file(3, 1, 0, kRedGreenPalette, {1, 0, 7, 0}));
    EXPECT_EQ(image.at(0, 0), pixel_rgb(0, 255, 0));
    EXPECT_EQ(image.at(1, 0), pixel_rgb(255, 0, 0));
    EXPECT_EQ(image.at(2, 0), pixel_rgb(0, 0, 0));
}

TEST(BmpDecoder, RunsBeyondTheRightEdgeAreDroppedAndUncodedPixelsKeepColourZero) {
    // Bottom row: a run of 5 green in a 3-wide image; top row: end of bitmap at once.
    Image image = decode_bmp(eight_bit_file(3, 2, 1, kRedGreenPalette, {5, 1, 0, 0, 0, 1}));
    EXPECT_EQ(image.at(0, 1), pixel_rgb(0, 255, 0));
    EXPECT_EQ(image.at(2, 1), pixel_rgb(0, 255, 0));
    EXPECT_EQ(image.at(0, 0), pixel_rgb(255, 0, 0));
    EXPECT_EQ(image.at(2, 0), pixel_rgb(255, 0, 0));
}

TEST(BmpDecoder, MalformedHeadersGiveClearErrors) {
    auto message = [](const Bytes& file) {
        try {
            decode_bmp(file);
        } catch (const DecodeError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    Bytes file = eight_bit_file(3, 1, 0, kRedGreenPalette, {1, 0, 1, 0});
    Bytes no_signature = file;
    no_signature[0] = 'X';
    EXPECT_EQ(message(no_signature), "Bitmap image is not valid: no BM signature");

    Bytes huge = eight_bit_file(40000, 40000, 0, kRedGreenPalette, {});
    EXPECT_EQ(message(huge), "Bitmap image is not valid: image too large");

    EXPECT_EQ(message(eight_bit_file(0, 1, 0, kRedGreenPalette, {})),
              "Bitmap image is not valid: empty image");
    EXPECT_EQ(message(eight_bit_file(3, 1, 0, kRedGreenPalette, {1, 0})),
              "Bitmap image is not valid: pixel data cut short");

    Bytes two_bits = file;
    two_bits[28] = 2;
    EXPECT_EQ(message(two_bits), "Bitmap image is not valid: unsupported format: 2 bits, compression 0");
    Bytes rle8_in_24_bits = file;
    rle8_in_24_bits[28] = 24;
    rle8_in_24_bits[30] = 1;
    EXPECT_EQ(message(rle8_in_24_bits),
              "Bitmap image is not valid: unsupported format: 24 bits, compression 1");

    Bytes odd_header = file;
    odd_header[14] = 64;
    EXPECT_EQ(message(odd_header), "Bitmap image is not valid: unsupported header size 64");
}

TEST(BmpEncoder, WritesBottomUp24BitRowsPaddedToFourBytes) {
    Image image(3, 2);
    image.at(0, 0) = pixel_rgb(1, 2, 3);
    image.at(2, 0) = pixel_rgb(255, 0, 255);
    image.at(1, 1) = pixel_rgb(10, 20, 30);
    Bytes file = encode_bmp(image);

    const Bytes header = {
        'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,   // file header: size 78, bits at 54
        40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,  // 3 x 2, one plane, 24 bits
        0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // BI_RGB, 24 bytes of pixels
        0, 0, 0, 0, 0, 0, 0, 0};
    const Bytes rows = {
        0, 0, 0, 30, 20, 10, 0, 0, 0, 0, 0, 0,     // bottom row first, then 3 bytes padding
        3, 2, 1, 0, 0, 0, 255, 0, 255, 0, 0, 0};
    ASSERT_EQ(file.size(), 78u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 54), header);
    EXPECT_EQ(Bytes(file.begin() + 54, file.end()), rows);
}

TEST(BmpEncoder, RoundTripsEveryFixtureAndASubView) {
    for (const char* name : kFixtures) {
        SCOPED_TRACE(name);
        Image image = decode_bmp(read_file(std::string(name) + ".bmp"));
        EXPECT_EQ(decode_bmp(encode_bmp(image)), image);
    }
    Image whole = decode_bmp(read_file("rgb24.bmp"));
    ImageView part = whole.view().sub({2, 1, 7, 5});
    EXPECT_EQ(decode_bmp(encode_bmp(part)), Image::copy_of(part));
}

}  // namespace
}  // namespace korvane
