#pragma once
// TMemoryStream: bytes in memory with a read/write position.
//
// Reads take what lies between the position and the end; writes go at the
// position, zero-filling a gap left by a position beyond the end, and move
// the end as needed. ReadBuffer and WriteBuffer move all bytes or fail with
// "Stream read error" / "Stream write error". A stream never grows past
// kMaxSize bytes (the 32-bit counts layouts and packages carry).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "framework/core/persistent.h"

namespace korvane {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TMemoryStream : public TObject {
public:
    static constexpr std::string_view kClassName = "TMemoryStream";
    static constexpr std::int64_t kMaxSize = INT32_MAX;

    std::string_view ClassName() const override { return kClassName; }

    std::int64_t Position() const { return position_; }
    void SetPosition(std::int64_t position) { position_ = position; }
    std::int64_t Size() const { return std::int64_t(bytes_.size()); }
    // Cuts or zero-extends the bytes; a position past the new end moves to it.
    void SetSize(std::int64_t size);
    // Returns the new position.
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin);

    // Return the number of bytes moved.
    std::size_t Read(std::span<std::uint8_t> buffer);
    std::size_t Write(std::span<const std::uint8_t> bytes);
    void ReadBuffer(std::span<std::uint8_t> buffer);
    void WriteBuffer(std::span<const std::uint8_t> bytes);

    // Copies count bytes from source's position on; count 0 copies all of
    // source from its start. Returns the number copied.
    std::int64_t CopyFrom(TMemoryStream& source, std::int64_t count);

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
