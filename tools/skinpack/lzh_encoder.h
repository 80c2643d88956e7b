#pragma once
// The LZHUF encoder: streams that TLZH expands to exactly the given bytes.

#include <cstdint>
#include <span>
#include <vector>

namespace korvane {

// The 4-byte size, then the code. Data longer than 2^31 - 1 bytes is refused with Error.
std::vector<std::uint8_t> CompressLzh(std::span<const std::uint8_t> data);

// The same stream with every byte sent as a literal: no matches are searched,
// so it is made in a fraction of the time and comes out a little larger than
// the data (for the fuzzers, which wrap every input).
std::vector<std::uint8_t> StoreLzh(std::span<const std::uint8_t> data);

}  // namespace korvane
