#include <gtest/gtest.h>

#include <string_view>

#include "png_writer.h"

namespace korvane::skinpreview {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytes_of(std::string_view s) { return {s.begin(), s.end()}; }

// Inflates a stream of fixed-Huffman blocks, the only kind the writer makes.
class FixedInflater {
public:
    explicit FixedInflater(const Bytes& in) : in_(in) {}

    Bytes run() {
        Bytes out;
        bool final = false;
        while (!final) {
            final = bits(1);
            EXPECT_EQ(bits(2), 1u) << "not a fixed-Huffman block";
            for (;;) {
                const int symbol = literal_or_length();
                if (symbol < 256) {
                    out.push_back(std::uint8_t(symbol));
                } else if (symbol == 256) {
                    break;
                } else {
                    const int length = length_of(symbol);
                    const int distance = distance_of(int(code(5)));
                    EXPECT_LE(std::size_t(distance), out.size());
                    for (int i = 0; i < length; ++i) out.push_back(out[out.size() - std::size_t(distance)]);
                }
            }
        }
        return out;
    }

private:
    std::uint32_t bits(int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i, ++pos_) v |= std::uint32_t((in_.at(pos_ / 8) >> (pos_ % 8)) & 1) << i;
        return v;
    }
    std::uint32_t code(int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = v << 1 | bits(1);
        return v;
    }
    int literal_or_length() {
        std::uint32_t c = code(7);
        if (c <= 0x17) return int(c) + 256;
        c = c << 1 | bits(1);
        if (c >= 0x30 && c <= 0xBF) return int(c) - 0x30;
        if (c >= 0xC0 && c <= 0xC7) return int(c) - 0xC0 + 280;
        c = c << 1 | bits(1);
        return int(c) - 0x190 + 144;
    }
    int length_of(int symbol) {
        static constexpr int base[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                       31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
        static constexpr int extra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                        2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
        const int i = symbol - 257;
        return base[i] + int(bits(extra[i]));
    }
    int distance_of(int d) {
        static constexpr int base[] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                       33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                       1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
        static constexpr int extra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                        6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
        return base[d] + int(bits(extra[d]));
    }

    const Bytes& in_;
    std::size_t pos_ = 0;
};

std::uint32_t u32_be(const Bytes& b, std::size_t at) {
    return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 | std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}

TEST(PngChecksums, MatchTheirPublishedCheckValues) {
    EXPECT_EQ(crc32(bytes_of("123456789")), 0xCBF43926u);
    EXPECT_EQ(crc32({}), 0u);
    EXPECT_EQ(adler32(bytes_of("Wikipedia")), 0x11E60398u);
    EXPECT_EQ(adler32({}), 1u);
}

TEST(PngDeflate, ExpandsBackToTheInputForLiteralsShortAndLongMatchesAndFarDistances) {
    Bytes data = bytes_of("abracadabra abracadabra abracadabra");
    data.insert(data.end(), 1000, 'x');  // runs longer than one 258-byte match
    for (int i = 0; i < 40000; ++i) data.push_back(std::uint8_t((i * 7919) >> 3));
    data.insert(data.end(), data.begin(), data.begin() + 300);  // a match about 41,000 back is out of reach
    data.insert(data.end(), data.end() - 20000, data.end() - 19000);  // one 20,000 back is not
    for (const Bytes& input : {Bytes{}, Bytes{42}, bytes_of("ab"), data}) {
        const Bytes deflated = deflate_fixed(input);
        EXPECT_EQ(FixedInflater(deflated).run(), input);
    }
    EXPECT_LT(deflate_fixed(data).size(), data.size() * 3 / 4);
}

TEST(PngFile, HoldsSignatureHeaderImageDataAndEndWithValidChunkChecksums) {
    Image image(3, 2);
    image.at(0, 0) = pixel_rgb(255, 0, 0);
    image.at(1, 0) = pixel_rgb(0, 255, 0);
    image.at(2, 0) = pixel_rgb(0, 0, 255);
    image.at(0, 1) = pixel_rgb(1, 2, 3);
    const Bytes png = encode_png(image);
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(Bytes(png.begin(), png.begin() + 8), signature);

    std::vector<std::string> types;
    Bytes zlib;
    for (std::size_t at = 8; at < png.size();) {
        const std::uint32_t length = u32_be(png, at);
        ASSERT_LE(at + 12 + length, png.size());
        const std::string type(png.begin() + std::ptrdiff_t(at + 4), png.begin() + std::ptrdiff_t(at + 8));
        const Bytes body(png.begin() + std::ptrdiff_t(at + 8), png.begin() + std::ptrdiff_t(at + 8 + length));
        EXPECT_EQ(u32_be(png, at + 8 + length), crc32(std::span(png).subspan(at + 4, length + 4))) << type;
        if (type == "IHDR") {
            EXPECT_EQ(body, (Bytes{0, 0, 0, 3, 0, 0, 0, 2, 8, 2, 0, 0, 0}));
        }
        if (type == "IDAT") zlib = body;
        types.push_back(type);
        at += 12 + length;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));

    ASSERT_GT(zlib.size(), 6u);
    EXPECT_EQ((zlib[0] << 8 | zlib[1]) % 31, 0);
    const Bytes raw = FixedInflater(Bytes(zlib.begin() + 2, zlib.end() - 4)).run();
    const Bytes expected = {0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 1, 2, 3, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(raw, expected);
    EXPECT_EQ(u32_be(zlib, zlib.size() - 4), adler32(expected));
}

}  // namespace
}  // namespace korvane::skinpreview
