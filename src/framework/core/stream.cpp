#include "framework/core/stream.h"

#include <algorithm>
#include <vector>

#include "framework/core/errors.h"

namespace korvane {
namespace {

constexpr std::int64_t kCopyChunk = 1 << 16;

}  // namespace

void TStream::ReadBuffer(std::span<std::uint8_t> buffer) {
    if (Read(buffer) != buffer.size()) throw EReadStreamError();
}

void TStream::WriteBuffer(std::span<const std::uint8_t> bytes) {
    if (Write(bytes) != bytes.size()) throw EWriteStreamError();
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::int64_t from = source.Position();
    if (count < 0 || from < 0 || count > source.Size() - from) throw EReadStreamError();
    // The read and write positions are kept apart: source may be this very
    // stream, whose copy then goes after the bytes copied.
    std::int64_t to = &source == this ? from + count : Position();
    std::vector<std::uint8_t> chunk(std::size_t(std::min(count, kCopyChunk)));
    for (std::int64_t left = count; left > 0;) {
        auto part = std::span(chunk).first(std::size_t(std::min(left, kCopyChunk)));
        source.SetPosition(from);
        source.ReadBuffer(part);
        from += std::int64_t(part.size());
        SetPosition(to);
        WriteBuffer(part);
        to += std::int64_t(part.size());
        left -= std::int64_t(part.size());
    }
    return count;
}

}  // namespace korvane
