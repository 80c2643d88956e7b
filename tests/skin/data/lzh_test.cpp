#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/lzh.h"
#include "skin/data/lzh_model.h"

namespace korvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Expand(const Bytes& stream) {
    const Bytes out = ExpandLzhStream(stream);
    return std::string(out.begin(), out.end());
}

// In the starting tree the symbol of a 3-byte match has the code 10001100 and
// that of a 5-byte match 10001110; distance 0 is nine zero bits.
// Every symbol's code leads the tree walk back to that symbol.
void ExpectCodesDecodeToTheirSymbols(const lzh::HuffmanTree& tree) {
    for (int symbol = 0; symbol < lzh::kSymbolCount; ++symbol) {
        const lzh::BitCode code = tree.CodeOf(symbol);
        lzh::HuffmanTree walker = tree;
        int bit = code.length;
        const int decoded = walker.DecodeSymbol([&] { return int(code.bits >> --bit & 1); });
        ASSERT_EQ(decoded, symbol);
        ASSERT_EQ(bit, 0) << "symbol " << symbol;
    }
}

TEST(LzhTree, RootWeightCountsSymbolsUntilTheRebuildHalvesThem) {
    lzh::HuffmanTree tree;
    EXPECT_EQ(tree.root_weight(), 314);
    EXPECT_EQ(tree.CodeOf(256).bits, 0x8Cu);
    EXPECT_EQ(tree.CodeOf(256).length, 8);
    for (int i = 0; i < 32454; ++i) tree.UpdateTree(i % 314);
    EXPECT_EQ(tree.root_weight(), 0x8000);
    ExpectCodesDecodeToTheirSymbols(tree);
    // Symbols 0-111 were counted 104 times (weight 105), the others 103 (weight 104):
    // halved, 112 x 53 + 202 x 52 = 16,440, plus the symbol that triggered the rebuild.
    tree.UpdateTree(0);
    EXPECT_EQ(tree.root_weight(), 16441);
    ExpectCodesDecodeToTheirSymbols(tree);
}

TEST(LzhDecoder, HandMadeStreamsOfTheStartingTree) {
    // Size 0: nothing at all, whatever follows.
    EXPECT_EQ(Expand({0, 0, 0, 0, 0xFF, 0xFF}), "");
    // A negative size decodes nothing either.
    EXPECT_EQ(Expand({0xFF, 0xFF, 0xFF, 0xFF, 0x8C}), "");
    // Distance 0 at the start copies the ring byte before position 4036: a space.
    EXPECT_EQ(Expand({3, 0, 0, 0, 0x8C, 0x00, 0x00}), "   ");
    // A 5-byte match for a size of 1 is still copied whole.
    EXPECT_EQ(Expand({1, 0, 0, 0, 0x8E, 0x00, 0x00}), "     ");
}

TEST(LzhDecoder, MissingInputReadsAsZeroBitsForAFewBytesThenStops) {
    // Ends after the first code byte; the padded stream spells out the zeros.
    const Bytes cut = {3, 0, 0, 0, 0x8C};
    EXPECT_EQ(Expand(cut), "   ");
    Bytes padded = cut;
    padded.resize(padded.size() + 4, 0);
    EXPECT_EQ(Expand(padded), "   ");
    // Forty bytes need far more code than one byte and four of zeros.
    const Bytes symbols_from_nothing = {40, 0, 0, 0, 0x8C};
    try {
        ExpandLzhStream(symbols_from_nothing);
        FAIL() << "decoding ran on past the end of the code";
    } catch (const ElzhException& e) {
        EXPECT_STREQ(e.what(), "LZH : The code ends before its size is reached");
    }
    padded = symbols_from_nothing;
    padded.resize(padded.size() + 64, 0);
    EXPECT_GE(ExpandLzhStream(padded).size(), 40u);
}

TEST(LzhDecoder, BlockFunctionsAreCalledOneBytePerCall) {
    const Bytes code = {0x8C, 0x00, 0x00};
    std::size_t pos = 0;
    int reads = 0;
    std::string out;
    TLZH lzh;
    lzh.Unpack(
        3,
        [&](std::uint8_t* buffer, std::uint16_t count, std::uint16_t& actual) {
            EXPECT_EQ(count, 1);
            ++reads;
            actual = pos < code.size() ? 1 : 0;
            if (actual) *buffer = code[pos++];
        },
        [&](const std::uint8_t* buffer, std::uint16_t count, std::uint16_t& actual) {
            EXPECT_EQ(count, 1);
            out.push_back(char(*buffer));
            actual = count;
        });
    EXPECT_EQ(out, "   ");
    // 17 bits consumed; the look-ahead keeps the buffer above 8 bits: one byte past the code.
    EXPECT_EQ(reads, 4);
}

TEST(LzhDecoder, StreamBoundBlocksReadFromThePositionAndAppend) {
    const Bytes input = {9, 8, 7};
    Bytes output = {1};
    TLZH lzh;
    lzh.SetInput(input, 1);
    lzh.SetOutput(output);
    std::uint8_t buffer[4] = {};
    std::uint16_t actual = 0;
    lzh.ReadBlock(buffer, 4, actual);
    EXPECT_EQ(actual, 2);
    EXPECT_EQ(buffer[0], 8);
    EXPECT_EQ(buffer[1], 7);
    lzh.ReadBlock(buffer, 4, actual);
    EXPECT_EQ(actual, 0);
    lzh.WriteBlock(buffer, 2, actual);
    EXPECT_EQ(actual, 2);
    EXPECT_EQ(output, (Bytes{1, 8, 7}));

    TLZH unbound;
    unbound.WriteBlock(buffer, 2, actual);
    EXPECT_EQ(actual, 0);
}

TEST(LzhDecoder, RefusesStreamsThatCannotHoldTheirSize) {
    try {
        ExpandLzhStream(Bytes{1, 0, 0});
        FAIL() << "a 3-byte stream was accepted";
    } catch (const ElzhException& e) {
        EXPECT_STREQ(e.what(), "LZH : Stream of 3 bytes is too short for its 4-byte size");
    }
    // A code byte stands for at most 48 bytes (a 60-byte match takes ten bits);
    // one byte of code and the four read past it hold 240.
    try {
        ExpandLzhStream(Bytes{0xF1, 0, 0, 0, 0});
        FAIL() << "size 241 from one code byte was accepted";
    } catch (const ElzhException& e) {
        EXPECT_STREQ(e.what(), "LZH : Size 241 is more than 1 bytes of code can hold");
    }
    try {
        ExpandLzhStream(Bytes{0xF0, 0, 0, 0, 0});
        FAIL() << "240 bytes from zero bits were accepted";
    } catch (const ElzhException& e) {
        EXPECT_STREQ(e.what(), "LZH : The code ends before its size is reached");
    }
    try {
        ExpandLzhStream(Bytes{0xFF, 0xFF, 0xFF, 0x7F});
        FAIL() << "size 2^31-1 without code was accepted";
    } catch (const ElzhException& e) {
        EXPECT_STREQ(e.what(), "LZH : Size 2147483647 is more than 0 bytes of code can hold");
    }
}

}  // namespace
}  // namespace korvane
