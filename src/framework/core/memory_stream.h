#pragma once
// TMemoryStream: bytes in memory with a read/write position.
//
// Reads take what lies between the position and the end; writes go at the
// position, zero-filling a gap left by a position beyond the end, and move
// the end as needed. Any position can be set, also one before the start,
// where nothing is read or written. A stream never grows past kMaxSize bytes
// (the 32-bit counts layouts and packages carry).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "framework/core/stream.h"

namespace korvane {

class TMemoryStream : public TStream {
public:
    static constexpr std::string_view kClassName = "TMemoryStream";
    static constexpr std::int64_t kMaxSize = INT32_MAX;

    std::string_view ClassName() const override { return kClassName; }

    std::size_t Read(std::span<std::uint8_t> buffer) override;
    std::size_t Write(std::span<const std::uint8_t> bytes) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() const override { return std::int64_t(bytes_.size()); }
    // A size outside 0..kMaxSize fails with "Stream write error"; a position
    // past the new end moves to it.
    void SetSize(std::int64_t size) override;

    void Clear();
    std::span<const std::uint8_t> Memory() const { return bytes_; }

    // Replace the bytes by a file's content (position 0), or write them all
    // to a file that is replaced as a whole. Fail with "Cannot open file
    // "<path>". <reason>", "Cannot create file "<path>". <reason>" or
    // "Stream write error".
    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;

private:
    std::vector<std::uint8_t> bytes_;
    std::int64_t position_ = 0;
};

}  // namespace korvane
