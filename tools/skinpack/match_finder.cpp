#include "skinpack/match_finder.h"

#include <algorithm>

#include "skin/data/lzh_model.h"

namespace korvane {

using namespace lzh;

MatchFinder::MatchFinder(std::span<const std::uint8_t> text)
    : text_(text), heads_(std::size_t(1) << kHashBits, kNone), children_(kSlots * 2, kNone) {}

Match MatchFinder::Insert(std::size_t position) {
    const std::size_t limit = std::min<std::size_t>(kLongestMatch, text_.size() - position);
    if (limit <= std::size_t(kThreshold)) return {};
    const std::uint8_t* key = text_.data() + position;
    const std::uint32_t hash =
        ((key[0] << 8 ^ key[1] << 4 ^ key[2]) * 2654435761u) >> (32 - kHashBits);

    std::uint32_t candidate = heads_[hash];
    heads_[hash] = std::uint32_t(position);
    // The new position becomes the root: the old tree is split into the
    // strings below and above its key, hung on its two sides.
    std::uint32_t* lesser_slot = &lesser(position);
    std::uint32_t* greater_slot = &greater(position);
    std::size_t lesser_common = 0;   // common prefix with everything on the lesser side
    std::size_t greater_common = 0;  // likewise on the greater side
    Match best;
    while (candidate != kNone && position - candidate <= std::size_t(kWindowSize)) {
        const std::uint8_t* other = text_.data() + candidate;
        std::size_t length = std::min(lesser_common, greater_common);
        while (length < limit && other[length] == key[length]) ++length;
        if (length > std::size_t(best.length)) {
            best = {int(length), int(position - candidate - 1)};
        }
        if (length == limit) {
            // Same key: the new, nearer position takes the old one's place and children.
            *lesser_slot = lesser(candidate);
            *greater_slot = greater(candidate);
            return best.length > kThreshold ? best : Match{};
        }
        if (other[length] < key[length]) {
            *lesser_slot = candidate;
            lesser_slot = &greater(candidate);
            candidate = *lesser_slot;
            lesser_common = length;
        } else {
            *greater_slot = candidate;
            greater_slot = &lesser(candidate);
            candidate = *greater_slot;
            greater_common = length;
        }
    }
    // Whatever lies below here is older than the window.
    *lesser_slot = *greater_slot = kNone;
    return best.length > kThreshold ? best : Match{};
}

}  // namespace korvane
