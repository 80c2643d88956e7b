#pragma once
// The LZHUF coding model shared by the decoder and the encoder: the window
// parameters, the adaptive Huffman tree of literals and match lengths, and
// the fixed prefix code of the upper six bits of match distances.

#include <array>
#include <cstdint>

namespace korvane::lzh {

inline constexpr int kWindowSize = 4096;
inline constexpr int kWindowMask = kWindowSize - 1;
inline constexpr int kLongestMatch = 60;
inline constexpr int kThreshold = 2;  // matches are at least kThreshold + 1 bytes long
inline constexpr int kSymbolCount = 256 + kLongestMatch - kThreshold;  // 314
inline constexpr int kNodeCount = 2 * kSymbolCount - 1;                // 627
inline constexpr int kRoot = kNodeCount - 1;
inline constexpr unsigned kFrequencyLimit = 0x8000;
inline constexpr std::uint8_t kInitialFill = 0x20;
// The ring holds spaces before this position; the first output byte lands here.
inline constexpr int kFirstWritePosition = kWindowSize - kLongestMatch;  // 4036

inline constexpr int match_symbol(int length) { return 256 - kThreshold - 1 + length; }
inline constexpr int match_length(int symbol) { return symbol - (256 - kThreshold - 1); }

// A code of at most 32 bits; the first bit sent is bit (length - 1).
struct BitCode {
    std::uint32_t bits = 0;
    int length = 0;
};

// The adaptive Huffman tree. Nodes are kept sorted by weight; siblings sit at
// an even index and the odd index after it, so a node's own index tells which
// branch (0 or 1) leads to it from its parent.
class HuffmanTree {
public:
    HuffmanTree();

    // Walks from the root, taking one bit per level, then counts the symbol.
    template <class ReadBit>
    int DecodeSymbol(ReadBit&& read_bit) {
        int node = children_[kRoot];
        while (node < kNodeCount) node = children_[node + read_bit()];
        const int symbol = node - kNodeCount;
        UpdateTree(symbol);
        return symbol;
    }

    // The code of the symbol in the current tree (before counting it).
    BitCode CodeOf(int symbol) const;

    // Counts one more occurrence of the symbol and restores the weight order.
    void UpdateTree(int symbol);

    std::uint16_t root_weight() const { return frequency_[kRoot]; }

private:
    void RebuildTree();

    std::array<std::uint16_t, kNodeCount + 1> frequency_{};  // [kNodeCount] is a sentinel
    // [0, kNodeCount): parent of each node; [kNodeCount, +kSymbolCount): leaf of each symbol.
    std::array<std::uint16_t, kNodeCount + kSymbolCount> parents_{};
    // Left child of an inner node (the right one follows it), or symbol + kNodeCount for a leaf.
    std::array<std::uint16_t, kNodeCount> children_{};
};

// The prefix code of a distance's upper six bits: a first byte b selects
// high[b] and tells how many bits (length[b] - 2) follow it; the low six bits
// of the whole bit string are the distance's low six bits.
struct DistanceTables {
    std::array<std::uint8_t, 256> high{};
    std::array<std::uint8_t, 256> length{};
    std::array<BitCode, 64> prefix{};  // the code of each upper-six-bit value
};

inline constexpr DistanceTables kDistanceTables = [] {
    struct Run {
        int length;
        int values;
    };
    // Shorter codes for nearer distances: 1 value with 3 bits, 3 with 4, ...
    constexpr Run runs[] = {{3, 1}, {4, 3}, {5, 8}, {6, 12}, {7, 24}, {8, 16}};
    DistanceTables t;
    int b = 0;
    int high = 0;
    for (const Run& run : runs) {
        for (int v = 0; v < run.values; ++v, ++high) {
            t.prefix[high] = {std::uint32_t(b >> (8 - run.length)), run.length};
            for (int e = 0; e < 1 << (8 - run.length); ++e, ++b) {
                t.high[b] = std::uint8_t(high);
                t.length[b] = std::uint8_t(run.length);
            }
        }
    }
    return t;
}();

}  // namespace korvane::lzh
