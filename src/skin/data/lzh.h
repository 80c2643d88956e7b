#pragma once
// TLZH expands an LZHUF stream (the format of skin packages): a 4-byte
// uncompressed size, then the code bits, most significant bit first.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "base/error.h"

namespace korvane {

class ElzhException : public Error {
public:
    using Error::Error;
};

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kLzhCodeEndsMessage = "LZH : The code ends before its size is reached";

// The bit buffer looks up to two bytes ahead of the bits it has used, so a
// complete code may be read a little past its end; those bytes read as zero.
// Asking for more than this many bytes past the end stops the decoder.
inline constexpr int kLzhBytesPastCode = 4;
// Every symbol takes at least one bit, and a match (at most 60 bytes) at
// least nine more for its distance: a code byte never stands for more than
// 8 * 60 / 10 = 48 bytes.
inline constexpr int kLzhMaxExpansion = 48;

class TLZH {
public:
    // Fills buffer with up to count bytes and reports how many it gave.
    using ReadBlockFn =
        std::function<void(std::uint8_t* buffer, std::uint16_t count, std::uint16_t& actual)>;
    // Takes count bytes and reports how many it took.
    using WriteBlockFn = std::function<void(const std::uint8_t* buffer, std::uint16_t count,
                                            std::uint16_t& actual)>;

    // The streams of the stream-bound block functions; both stay the caller's.
    void SetInput(std::span<const std::uint8_t> input, std::size_t position = 0);
    void SetOutput(std::vector<std::uint8_t>& output);

    // Reads from the input from its current position; fewer bytes (0 at the end) when short.
    void ReadBlock(std::uint8_t* buffer, std::uint16_t count, std::uint16_t& actual);
    // Appends to the output; takes nothing while no output is set.
    void WriteBlock(const std::uint8_t* buffer, std::uint16_t count, std::uint16_t& actual);

    // Expands the code into size bytes, one byte per block call. Missing input
    // reads as zero bits, up to kLzhBytesPastCode bytes; asking for more throws
    // ElzhException(kLzhCodeEndsMessage). The last match is copied whole, so
    // the output may run up to 59 bytes past size. Nothing happens for a size
    // of 0 or less.
    void Unpack(std::int32_t size, const ReadBlockFn& read_block, const WriteBlockFn& write_block);
    // The same with the stream-bound block functions.
    void Unpack(std::int32_t size);

private:
    template <class NextByte, class PutByte>
    void Decode(std::int32_t size, NextByte&& next_byte, PutByte&& put_byte);

    std::span<const std::uint8_t> input_;
    std::size_t input_position_ = 0;
    std::vector<std::uint8_t>* output_ = nullptr;
    std::uint16_t bit_buffer_ = 0;
    std::uint8_t bit_count_ = 0;
};

// Expands a whole stream. Refuses, with ElzhException, a stream too short for
// its size field and, before decoding, a size more than kLzhMaxExpansion
// times its code (and the bytes past it) could hold.
std::vector<std::uint8_t> ExpandLzhStream(std::span<const std::uint8_t> stream);

}  // namespace korvane
