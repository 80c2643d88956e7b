#include "skin/data/lzh.h"

#include <algorithm>
#include <memory>
#include <new>

#include "base/byte_reader.h"
#include "base/strings.h"
#include "skin/data/lzh_model.h"

namespace korvane {

using namespace lzh;

namespace {

// The working tables of one expansion.
struct Dictionary {
    HuffmanTree tree;
    std::array<std::uint8_t, kWindowSize> ring;
};

std::unique_ptr<Dictionary> AllocateDictionary() {
    try {
        return std::make_unique<Dictionary>();
    } catch (const std::bad_alloc&) {
        throw ElzhException(kLzhNoMemoryMessage);
    }
}

}  // namespace

void TLZH::SetInput(std::span<const std::uint8_t> input, std::size_t position) {
    input_ = input;
    input_position_ = std::min(position, input.size());
}

void TLZH::SetOutput(std::vector<std::uint8_t>& output) { output_ = &output; }

void TLZH::ReadBlock(std::uint8_t* buffer, std::uint16_t count, std::uint16_t& actual) {
    actual = std::uint16_t(std::min<std::size_t>(count, input_.size() - input_position_));
    std::copy_n(input_.begin() + std::ptrdiff_t(input_position_), actual, buffer);
    input_position_ += actual;
}

void TLZH::WriteBlock(const std::uint8_t* buffer, std::uint16_t count, std::uint16_t& actual) {
    output_->insert(output_->end(), buffer, buffer + count);
    actual = count;
}

void TLZH::FillBitBuffer(const ReadBlockFn& read_block) {
    while (bit_count_ <= 8) {
        std::uint8_t byte = 0;
        std::uint16_t actual = 0;
        read_block(&byte, 1, actual);
        if (actual != 1) byte = 0;
        bit_buffer_ = std::uint16_t(bit_buffer_ | byte << (8 - bit_count_));
        bit_count_ = std::uint8_t(bit_count_ + 8);
    }
}

unsigned TLZH::ReadBit(const ReadBlockFn& read_block) {
    FillBitBuffer(read_block);
    const unsigned bit = bit_buffer_ >> 15;
    bit_buffer_ = std::uint16_t(bit_buffer_ << 1);
    --bit_count_;
    return bit;
}

unsigned TLZH::ReadByte(const ReadBlockFn& read_block) {
    FillBitBuffer(read_block);
    const unsigned byte = bit_buffer_ >> 8;
    bit_buffer_ = std::uint16_t(bit_buffer_ << 8);
    bit_count_ = std::uint8_t(bit_count_ - 8);
    return byte;
}

int TLZH::DecodeDistance(const ReadBlockFn& read_block) {
    const unsigned first = ReadByte(read_block);
    unsigned bits = first;
    for (int i = kDistanceTables.length[first] - 2; i > 0; --i)
        bits = bits << 1 | ReadBit(read_block);
    return kDistanceTables.high[first] << 6 | (bits & 0x3F);
}

void TLZH::Unpack(std::int32_t size, const ReadBlockFn& read_block,
                  const WriteBlockFn& write_block) {
    bit_buffer_ = 0;
    bit_count_ = 0;
    if (size <= 0) return;
    auto dictionary = AllocateDictionary();
    auto& ring = dictionary->ring;
    std::fill(ring.begin(), ring.end(), 0);
    std::fill_n(ring.begin(), kFirstWritePosition, kInitialFill);
    int r = kFirstWritePosition;
    auto put = [&](std::uint8_t byte) {
        std::uint16_t written = 0;
        write_block(&byte, 1, written);
        ring[r] = byte;
        r = (r + 1) & kWindowMask;
    };
    auto read_bit = [&] { return ReadBit(read_block); };

    // 64 bits: the last match may carry the count past size, and size may be near 2^31.
    std::int64_t n = 0;
    while (n < size) {
        const int symbol = dictionary->tree.DecodeSymbol(read_bit);
        if (symbol < 256) {
            put(std::uint8_t(symbol));
            ++n;
        } else {
            const int start = (r - DecodeDistance(read_block) - 1) & kWindowMask;
            const int length = match_length(symbol);
            for (int k = 0; k < length; ++k) put(ring[(start + k) & kWindowMask]);
            n += length;
        }
    }
}

void TLZH::Unpack(std::int32_t size) {
    Unpack(
        size,
        [this](std::uint8_t* b, std::uint16_t c, std::uint16_t& a) { ReadBlock(b, c, a); },
        [this](const std::uint8_t* b, std::uint16_t c, std::uint16_t& a) { WriteBlock(b, c, a); });
}

std::int64_t LzhCapacity(std::size_t code_bytes) {
    return std::int64_t(code_bytes) * 8 * kLongestMatch;
}

std::vector<std::uint8_t> ExpandLzhStream(std::span<const std::uint8_t> stream) {
    if (stream.size() < 4)
        throw ElzhException(format("LZH : Stream of %d bytes is too short for its 4-byte size",
                                   int(stream.size())));
    const std::int32_t size = ByteReader(stream).i32le();
    const std::size_t code_bytes = stream.size() - 4;
    if (size > LzhCapacity(code_bytes))
        throw ElzhException("LZH : Size " + std::to_string(size) + " is more than " +
                            std::to_string(code_bytes) + " bytes of code can hold");
    std::vector<std::uint8_t> output;
    if (size > 0) output.reserve(std::size_t(size) + kLongestMatch);
    TLZH lzh;
    lzh.SetInput(stream, 4);
    lzh.SetOutput(output);
    lzh.Unpack(size);
    return output;
}

}  // namespace korvane
