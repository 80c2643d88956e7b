#pragma once
// TStream: bytes read and written at a position. Descendants say where the
// bytes live (Read, Write, Seek, Size, SetSize); the operations built on
// those are shared.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "framework/core/persistent.h"

namespace korvane {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    std::string_view ClassName() const override { return "TStream"; }

    // Return the number of bytes moved: fewer than asked at the end or when
    // the bytes cannot be stored.
    virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
    virtual std::size_t Write(std::span<const std::uint8_t> bytes) = 0;
    // Returns the new position.
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
    virtual std::int64_t Size() const = 0;
    // Cuts or zero-extends the bytes.
    virtual void SetSize(std::int64_t size) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t position) { Seek(position, soBeginning); }

    // Move all bytes or fail with "Stream read error" / "Stream write error".
    void ReadBuffer(std::span<std::uint8_t> buffer);
    void WriteBuffer(std::span<const std::uint8_t> bytes);

    // Copies count bytes from source's position on; count 0 copies all of
    // source from its start. Fails with "Stream read error" before copying
    // anything when source holds fewer. Returns the number copied.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

}  // namespace korvane
