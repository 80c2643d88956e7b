#include "skinpack/lzh_encoder.h"

#include <limits>

#include "base/error.h"
#include "skin/data/lzh_model.h"
#include "skinpack/match_finder.h"

namespace korvane {

using namespace lzh;

namespace {

// Only short matches are weighed against literals: longer ones were never
// found cheaper as literals on text or bitmaps, and weighing costs time.
constexpr int kShortMatch = 4;

class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void Put(BitCode code) {
        pending_ = pending_ << code.length | code.bits;
        count_ += code.length;
        while (count_ >= 8) {
            count_ -= 8;
            out_.push_back(std::uint8_t(pending_ >> count_));
        }
    }
    // Pads the last byte with zero bits.
    void Flush() {
        if (count_ > 0) out_.push_back(std::uint8_t(pending_ << (8 - count_)));
        count_ = 0;
    }

private:
    std::vector<std::uint8_t>& out_;
    std::uint64_t pending_ = 0;  // the low count_ bits are not yet written
    int count_ = 0;
};

class SymbolWriter {
public:
    explicit SymbolWriter(BitWriter& bits) : bits_(bits) {}

    void Literal(std::uint8_t byte) { Symbol(byte); }
    void Copy(Match match) {
        Symbol(match_symbol(match.length));
        bits_.Put(kDistanceTables.prefix[match.distance >> 6]);
        bits_.Put({std::uint32_t(match.distance & 0x3F), 6});
    }

    // Bits the match would cost now, against its bytes sent as literals.
    bool CheaperAsLiterals(Match match, const std::uint8_t* bytes) const {
        const int copy = tree_.CodeOf(match_symbol(match.length)).length +
                         kDistanceTables.prefix[match.distance >> 6].length + 6;
        int literals = 0;
        for (int i = 0; i < match.length; ++i) literals += tree_.CodeOf(bytes[i]).length;
        return literals <= copy;
    }

private:
    void Symbol(int symbol) {
        bits_.Put(tree_.CodeOf(symbol));
        tree_.UpdateTree(symbol);
    }

    BitWriter& bits_;
    HuffmanTree tree_;
};

// The stream's 4-byte size field.
std::vector<std::uint8_t> StreamStart(std::span<const std::uint8_t> data, std::size_t code_estimate) {
    if (data.size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
        throw Error(std::to_string(data.size()) + " bytes are too many for an LZH stream");
    std::vector<std::uint8_t> out;
    out.reserve(4 + code_estimate);
    const std::uint32_t size = std::uint32_t(data.size());
    for (int shift = 0; shift < 32; shift += 8) out.push_back(std::uint8_t(size >> shift));
    return out;
}

}  // namespace

std::vector<std::uint8_t> StoreLzh(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> out = StreamStart(data, data.size() + data.size() / 8 + 2);
    BitWriter bits(out);
    SymbolWriter symbols(bits);
    for (std::uint8_t byte : data) symbols.Literal(byte);
    bits.Flush();
    return out;
}

std::vector<std::uint8_t> CompressLzh(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> out = StreamStart(data, data.size() / 2);
    // What the decoder's ring will hold: its fill of spaces, then the data.
    std::vector<std::uint8_t> text(kFirstWritePosition, kInitialFill);
    text.insert(text.end(), data.begin(), data.end());

    BitWriter bits(out);
    SymbolWriter symbols(bits);

    MatchFinder finder(text);
    std::size_t position = 0;
    for (; position < std::size_t(kFirstWritePosition); ++position) finder.Insert(position);
    const std::size_t end = text.size();
    auto insert = [&](std::size_t p) { return p < end ? finder.Insert(p) : Match{}; };

    // Lazy parsing: a match is put off by one literal when the next position has
    // a longer one, and a short match is dropped when its bytes cost less as literals.
    Match current = insert(position);
    while (position < end) {
        if (current.length == 0 ||
            (current.length <= kShortMatch && symbols.CheaperAsLiterals(current, &text[position]))) {
            symbols.Literal(text[position]);
            current = insert(++position);
            continue;
        }
        const Match next = insert(position + 1);
        if (next.length > current.length) {
            symbols.Literal(text[position]);
            ++position;
            current = next;
            continue;
        }
        symbols.Copy(current);
        for (std::size_t p = position + 2; p < position + std::size_t(current.length); ++p)
            finder.Insert(p);
        position += std::size_t(current.length);
        current = insert(position);
    }
    bits.Flush();
    return out;
}

}  // namespace korvane
