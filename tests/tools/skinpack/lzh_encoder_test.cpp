#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "classic_lzhuf.h"
#include "skin/data/lzh.h"
#include "skinpack/lzh_encoder.h"

namespace korvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FromText(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes RandomBytes(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes out(n);
    for (auto& b : out) b = std::uint8_t(rng());
    return out;
}

// A 24-bit bottom-up bitmap body: bands of flat colour with a few noisy pixels.
Bytes BitmapLike(int width, int height) {
    Bytes out;
    std::mt19937 rng(7);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool noise = rng() % 50 == 0;
            const std::uint8_t shade = std::uint8_t(noise ? rng() : (y / 8) * 20 + (x / 16));
            out.insert(out.end(), {shade, std::uint8_t(shade / 2), 0xFF});
        }
        out.resize(out.size() + (4 - width * 3 % 4) % 4, 0);
    }
    return out;
}

void ExpectRoundTrip(const Bytes& data) {
    const Bytes stream = CompressLzh(data);
    ASSERT_GE(stream.size(), 4u);
    EXPECT_EQ(stream[0] | stream[1] << 8 | stream[2] << 16 | stream[3] << 24, int(data.size()));
    EXPECT_EQ(ExpandLzhStream(stream), data);
}

TEST(LzhEncoder, EmptyDataIsTheSizeFieldAlone) {
    EXPECT_EQ(CompressLzh({}), (Bytes{0, 0, 0, 0}));
    EXPECT_TRUE(ExpandLzhStream(Bytes{0, 0, 0, 0}).empty());
}

TEST(LzhEncoder, TinyInputsRoundTrip) {
    for (std::string_view text : {"A", "AB", "   ", "abcabc", "\x00\xFF\x00", "aaaa"})
        ExpectRoundTrip(FromText(text));
}

TEST(LzhEncoder, StoredStreamsAreLiteralsOnlyAndRoundTrip) {
    // Three spaces as three 8-bit literals, where CompressLzh sends one match.
    const Bytes spaces = StoreLzh(FromText("   "));
    EXPECT_EQ(spaces.size(), 4u + 3u);
    EXPECT_NE(spaces, CompressLzh(FromText("   ")));
    EXPECT_EQ(ExpandLzhStream(spaces), FromText("   "));
    const Bytes zeros(5000, 0);
    const Bytes stored = StoreLzh(zeros);
    EXPECT_EQ(ExpandLzhStream(stored), zeros);
    // No matches: once learnt, a zero byte costs one bit, not the tenth of one a match gives.
    EXPECT_GT(stored.size(), zeros.size() / 8);
    const Bytes random = RandomBytes(50000, 2);
    EXPECT_EQ(ExpandLzhStream(StoreLzh(random)), random);
}

TEST(LzhEncoder, ThreeSpacesAreOneMatchIntoTheRingFill) {
    // The starting tree's code for a 3-byte match, then distance 0, padded: the hand-made stream.
    EXPECT_EQ(CompressLzh(FromText("   ")), (Bytes{3, 0, 0, 0, 0x8C, 0x00, 0x00}));
}

TEST(LzhEncoder, LongRunsBecomeLongMatches) {
    const Bytes zeros(100000, 0);
    const Bytes stream = CompressLzh(zeros);
    EXPECT_EQ(ExpandLzhStream(stream), zeros);
    // 1,667 matches of 60 bytes; after the tree has learnt them each costs about 10 bits.
    EXPECT_LT(stream.size(), 2500u);

    std::string pattern;
    for (int i = 0; i < 3000; ++i) pattern += "skin" + std::to_string(i % 17) + "\r\n";
    ExpectRoundTrip(FromText(pattern));
}

TEST(LzhEncoder, RandomDataPastTheTreeRebuildRoundTrips) {
    // 100,000 literals: the root reaches 0x8000 after 32,454 symbols, so the tree is rebuilt twice.
    const Bytes data = RandomBytes(100000, 1);
    const Bytes stream = CompressLzh(data);
    EXPECT_EQ(ExpandLzhStream(stream), data);
    // Literals of random bytes cost about 8 bits each.
    EXPECT_LT(stream.size(), data.size() * 103 / 100);
}

TEST(LzhEncoder, BitmapLikeDataRoundTripsAndShrinks) {
    const Bytes bitmap = BitmapLike(300, 200);
    const Bytes stream = CompressLzh(bitmap);
    EXPECT_EQ(ExpandLzhStream(stream), bitmap);
    EXPECT_LT(stream.size(), bitmap.size() / 4);
}

// The classic coder was written separately from our tree code: each side
// expanding the other's streams checks the tree update and rebuild rules.
TEST(LzhEncoder, StreamsAgreeWithTheClassicCoderAcrossTreeRebuilds) {
    Bytes data = RandomBytes(40000, 3);
    const Bytes bitmap = BitmapLike(200, 150);
    data.insert(data.end(), bitmap.begin(), bitmap.end());
    const Bytes classic = classic_lzhuf::Encode(data);
    EXPECT_EQ(ExpandLzhStream(classic), data);
    EXPECT_EQ(classic_lzhuf::Decode(CompressLzh(data)), data);
    EXPECT_LE(CompressLzh(data).size(), classic.size());
}

TEST(LzhEncoder, MatchesReachAcrossTheWholeWindow) {
    // A random block repeated 4,096 bytes later: every match has the farthest distance, 4,095.
    const Bytes block = RandomBytes(4000, 2);
    Bytes data = block;
    data.resize(4096, 'x');
    data.insert(data.end(), block.begin(), block.end());
    const Bytes stream = CompressLzh(data);
    EXPECT_EQ(ExpandLzhStream(stream), data);
    // The repeat costs a few hundred bytes instead of 4,000 more literals.
    EXPECT_LT(stream.size(), 4400u);
}

}  // namespace
}  // namespace korvane
