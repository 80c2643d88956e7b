#pragma once
// Longest-match search for the LZHUF encoder: binary trees of the positions
// of the last 4,096 bytes, one tree per hash of the first three bytes, each
// ordered by the (up to 60-byte) strings that start there and with newer
// positions above older ones. Searching while inserting finds the longest
// match and, among equally long ones, the nearest.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace korvane {

struct Match {
    int length = 0;    // 0 when no match of at least 3 bytes exists
    int distance = 0;  // bytes between the source and the current position, minus one
};

class MatchFinder {
public:
    // text: everything the decoder's ring will have held, starting with the
    // spaces it is filled with. Positions must be inserted in increasing order.
    explicit MatchFinder(std::span<const std::uint8_t> text);

    // Adds the position and returns its best match, which never runs past the text's end.
    Match Insert(std::size_t position);

private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;
    static constexpr int kHashBits = 16;
    static constexpr std::size_t kSlots = 8192;  // more than the window, so no live slot is reused

    std::uint32_t& lesser(std::size_t position) { return children_[(position % kSlots) * 2]; }
    std::uint32_t& greater(std::size_t position) { return children_[(position % kSlots) * 2 + 1]; }

    std::span<const std::uint8_t> text_;
    std::vector<std::uint32_t> heads_;
    std::vector<std::uint32_t> children_;
};

}  // namespace korvane
