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
    actual = output_ ? count : 0;
    // Called once per byte: push_back is far cheaper than a range insert.
    for (std::uint16_t i = 0; i < actual; ++i) output_->push_back(buffer[i]);
}

namespace {

// Bits of the code, most significant first, through a 16-bit buffer that is
// topped up whenever it holds 8 bits or fewer.
template <class NextByte>
class BitInput {
public:
    BitInput(std::uint16_t& buffer, std::uint8_t& count, NextByte& next_byte)
        : buffer_(buffer), count_(count), next_byte_(next_byte) {}

    unsigned Bit() {
        Fill();
        const unsigned bit = buffer_ >> 15;
        buffer_ = std::uint16_t(buffer_ << 1);
        --count_;
        return bit;
    }
    unsigned Byte() {
        Fill();
        const unsigned byte = buffer_ >> 8;
        buffer_ = std::uint16_t(buffer_ << 8);
        count_ = std::uint8_t(count_ - 8);
        return byte;
    }
    int Distance() {
        const unsigned first = Byte();
        unsigned bits = first;
        for (int i = kDistanceTables.length[first] - 2; i > 0; --i) bits = bits << 1 | Bit();
        return kDistanceTables.high[first] << 6 | (bits & 0x3F);
    }

private:
    void Fill() {
        while (count_ <= 8) {
            buffer_ = std::uint16_t(buffer_ | next_byte_() << (8 - count_));
            count_ = std::uint8_t(count_ + 8);
        }
    }

    std::uint16_t& buffer_;
    std::uint8_t& count_;
    NextByte& next_byte_;
};

}  // namespace

// next_byte() gives the next code byte, 0 when there is none; put_byte(b) writes one byte.
template <class NextByte, class PutByte>
void TLZH::Decode(std::int32_t size, NextByte&& next_byte, PutByte&& put_byte) {
    bit_buffer_ = 0;
    bit_count_ = 0;
    if (size <= 0) return;
    auto dictionary = AllocateDictionary();
    auto& ring = dictionary->ring;
    std::fill(ring.begin(), ring.end(), 0);
    std::fill_n(ring.begin(), kFirstWritePosition, kInitialFill);
    int r = kFirstWritePosition;
    auto put = [&](std::uint8_t byte) {
        put_byte(byte);
        ring[r] = byte;
        r = (r + 1) & kWindowMask;
    };
    BitInput<NextByte> in(bit_buffer_, bit_count_, next_byte);
    auto read_bit = [&] { return in.Bit(); };

    // 64 bits: the last match may carry the count past size, and size may be near 2^31.
    std::int64_t n = 0;
    while (n < size) {
        const int symbol = dictionary->tree.DecodeSymbol(read_bit);
        if (symbol < 256) {
            put(std::uint8_t(symbol));
            ++n;
        } else {
            const int start = (r - in.Distance() - 1) & kWindowMask;
            const int length = match_length(symbol);
            for (int k = 0; k < length; ++k) put(ring[(start + k) & kWindowMask]);
            n += length;
        }
    }
}

namespace {

// One code byte from a block function, or 0 past the end of the code; stops
// the decoder once it asks for more than kLzhBytesPastCode bytes past the end.
template <class ReadBlock>
class CodeBytes {
public:
    explicit CodeBytes(ReadBlock read_block) : read_block_(read_block) {}
    std::uint8_t operator()() {
        std::uint8_t byte = 0;
        std::uint16_t actual = 0;
        read_block_(&byte, 1, actual);
        if (actual == 1) return byte;
        if (++bytes_past_end_ > kLzhBytesPastCode) throw ElzhException(kLzhCodeEndsMessage);
        return 0;
    }

private:
    ReadBlock read_block_;
    int bytes_past_end_ = 0;
};

}  // namespace

void TLZH::Unpack(std::int32_t size, const ReadBlockFn& read_block,
                  const WriteBlockFn& write_block) {
    Decode(size, CodeBytes(std::cref(read_block)), [&](std::uint8_t byte) {
        std::uint16_t actual = 0;
        write_block(&byte, 1, actual);
    });
}

// The same one byte per call, bound to the streams without going through std::function.
void TLZH::Unpack(std::int32_t size) {
    Decode(
        size,
        CodeBytes([this](std::uint8_t* buffer, std::uint16_t count, std::uint16_t& actual) {
            ReadBlock(buffer, count, actual);
        }),
        [this](std::uint8_t byte) {
            std::uint16_t actual = 0;
            WriteBlock(&byte, 1, actual);
        });
}

std::vector<std::uint8_t> ExpandLzhStream(std::span<const std::uint8_t> stream) {
    if (stream.size() < 4)
        throw ElzhException(format("LZH : Stream of %d bytes is too short for its 4-byte size",
                                   int(stream.size())));
    const std::int32_t size = ByteReader(stream).i32le();
    const std::size_t code_bytes = stream.size() - 4;
    if (size > (std::int64_t(code_bytes) + kLzhBytesPastCode) * kLzhMaxExpansion)
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
