#include "skin/data/lzh_model.h"

#include <algorithm>

namespace korvane::lzh {

HuffmanTree::HuffmanTree() {
    for (int s = 0; s < kSymbolCount; ++s) {
        frequency_[s] = 1;
        children_[s] = std::uint16_t(s + kNodeCount);
        parents_[s + kNodeCount] = std::uint16_t(s);
    }
    for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
        frequency_[j] = std::uint16_t(frequency_[i] + frequency_[i + 1]);
        children_[j] = std::uint16_t(i);
        parents_[i] = parents_[i + 1] = std::uint16_t(j);
    }
    frequency_[kNodeCount] = 0xFFFF;
    parents_[kRoot] = 0;
}

BitCode HuffmanTree::CodeOf(int symbol) const {
    BitCode code;
    int node = parents_[symbol + kNodeCount];
    do {
        code.bits |= std::uint32_t(node & 1) << code.length;
        ++code.length;
        node = parents_[node];
    } while (node != kRoot);
    return code;
}

void HuffmanTree::UpdateTree(int symbol) {
    if (frequency_[kRoot] == kFrequencyLimit) RebuildTree();
    int m = parents_[symbol + kNodeCount];
    do {
        const std::uint16_t k = ++frequency_[m];
        if (k > frequency_[m + 1]) {
            // Move the node past every lighter one: swap it with the last of them.
            int l = m + 1;
            while (k > frequency_[l + 1]) ++l;
            frequency_[m] = frequency_[l];
            frequency_[l] = k;

            const int moved_up = children_[m];
            parents_[moved_up] = std::uint16_t(l);
            if (moved_up < kNodeCount) parents_[moved_up + 1] = std::uint16_t(l);

            const int moved_down = children_[l];
            children_[l] = std::uint16_t(moved_up);
            parents_[moved_down] = std::uint16_t(m);
            if (moved_down < kNodeCount) parents_[moved_down + 1] = std::uint16_t(m);
            children_[m] = std::uint16_t(moved_down);
            m = l;
        }
        m = parents_[m];
    } while (m != 0);
}

void HuffmanTree::RebuildTree() {
    // Gather the leaves, in node order, with halved weights.
    int j = 0;
    for (int i = 0; i < kNodeCount; ++i) {
        if (children_[i] >= kNodeCount) {
            frequency_[j] = std::uint16_t((frequency_[i] + 1) / 2);
            children_[j] = children_[i];
            ++j;
        }
    }
    // Join pairs from the lightest, inserting each parent where its weight belongs.
    for (int i = 0, next = kSymbolCount; next < kNodeCount; i += 2, ++next) {
        const std::uint16_t f = std::uint16_t(frequency_[i] + frequency_[i + 1]);
        int k = next - 1;
        while (f < frequency_[k]) --k;
        ++k;
        std::copy_backward(frequency_.begin() + k, frequency_.begin() + next,
                           frequency_.begin() + next + 1);
        std::copy_backward(children_.begin() + k, children_.begin() + next,
                           children_.begin() + next + 1);
        frequency_[k] = f;
        children_[k] = std::uint16_t(i);
    }
    for (int i = 0; i < kNodeCount; ++i) {
        const int child = children_[i];
        parents_[child] = std::uint16_t(i);
        if (child < kNodeCount) parents_[child + 1] = std::uint16_t(i);
    }
}

}  // namespace korvane::lzh
