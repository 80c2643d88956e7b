#pragma once
// A bounds-checked cursor over outside bytes. Every read either succeeds in
// full or throws DecodeError; nothing is ever read past the end.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "base/error.h"

namespace korvane {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t position() const { return pos_; }
    std::size_t size() const { return bytes_.size(); }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    bool at_end() const { return pos_ == bytes_.size(); }

    void seek(std::size_t pos) {
        if (pos > bytes_.size()) fail("seek");
        pos_ = pos;
    }
    void skip(std::size_t n) { take(n, "skip"); }

    std::uint8_t u8() { return take(1, "byte")[0]; }
    std::uint16_t u16le() {
        auto b = take(2, "16-bit value");
        return std::uint16_t(b[0] | b[1] << 8);
    }
    std::uint32_t u32le() {
        auto b = take(4, "32-bit value");
        return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
               std::uint32_t(b[3]) << 24;
    }
    std::int32_t i32le() { return std::int32_t(u32le()); }
    std::int16_t i16le() { return std::int16_t(u16le()); }
    std::span<const std::uint8_t> bytes(std::size_t n) { return take(n, "block"); }

private:
    std::span<const std::uint8_t> take(std::size_t n, const char* what) {
        if (n > remaining()) fail(what);
        auto out = bytes_.subspan(pos_, n);
        pos_ += n;
        return out;
    }
    [[noreturn]] void fail(const char* what) const {
        throw DecodeError(std::string("Unexpected end of data reading a ") + what + " at offset " +
                          std::to_string(pos_));
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

}  // namespace korvane
