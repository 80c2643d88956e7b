#pragma once
// The two dot-matrix fonts the converter draws with. They are read where
// they lie (embedded arrays, program resources): this holds views only.
//
//   ASC16: 256 cells of 16 bytes, one byte per pixel row, top row first.
//   HZK16: 8,363 cells of 32 bytes in GB2312 zone/position order (zone 0xA1
//          first, 94 cells a zone); row j is bytes 2j (left) and 2j+1 (right).
// In every byte bit 7 is the leftmost pixel and a set bit is ink.

#include <cstddef>
#include <cstdint>
#include <span>

namespace korvane {

inline constexpr std::size_t kAsc16Size = 256 * 16;
inline constexpr std::size_t kHzk16Size = 8363 * 32;

struct FontTables {
    std::span<const std::uint8_t> asc16;
    std::span<const std::uint8_t> hzk16;

    // Both tables are there with their full sizes.
    bool complete() const { return asc16.size() == kAsc16Size && hzk16.size() == kHzk16Size; }
};

}  // namespace korvane
