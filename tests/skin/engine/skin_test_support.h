#pragma once
// Shared by the engine's tests: the tool's own skin package.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace korvane::testing {

// The bytes of data/skins/default.skn.
inline const std::vector<std::uint8_t>& DefaultSkinBytes() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::ifstream in(KORVANE_TEST_DATA "/../../data/skins/default.skn", std::ios::binary);
        return std::vector<std::uint8_t>{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }();
    return bytes;
}

}  // namespace korvane::testing
