#pragma once
// The classic LZHUF coder of 1988 (LZSS over a 4,096-byte ring, one binary
// search tree per first byte, greedy parsing, adaptive Huffman coding), written
// again here as the peer the benchmark measures our encoder and decoder against.

#include <cstdint>
#include <span>
#include <vector>

namespace classic_lzhuf {

// The 4-byte size, then the code: the same stream format as TLZH reads.
std::vector<std::uint8_t> Encode(std::span<const std::uint8_t> data);
std::vector<std::uint8_t> Decode(std::span<const std::uint8_t> stream);

}  // namespace classic_lzhuf
