#include "framework/core/memory_stream.h"

#include <algorithm>

#include "base/file_io.h"
#include "framework/core/errors.h"

namespace korvane {

void TMemoryStream::SetSize(std::int64_t size) {
    if (size < 0 || size > kMaxSize) throw EWriteStreamError();
    bytes_.resize(std::size_t(size));
    position_ = std::min(position_, size);
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    switch (origin) {
    case soBeginning: position_ = offset; break;
    case soCurrent: position_ += offset; break;
    case soEnd: position_ = Size() + offset; break;
    }
    return position_;
}

std::size_t TMemoryStream::Read(std::span<std::uint8_t> buffer) {
    if (position_ < 0 || position_ >= Size()) return 0;
    std::size_t n = std::min(buffer.size(), std::size_t(Size() - position_));
    std::copy_n(bytes_.begin() + position_, n, buffer.begin());
    position_ += std::int64_t(n);
    return n;
}

std::size_t TMemoryStream::Write(std::span<const std::uint8_t> bytes) {
    if (position_ < 0 || position_ > kMaxSize || std::int64_t(bytes.size()) > kMaxSize - position_) return 0;
    std::int64_t end = position_ + std::int64_t(bytes.size());
    if (end > Size()) bytes_.resize(std::size_t(end));
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + position_);
    position_ = end;
    return bytes.size();
}

void TMemoryStream::Clear() {
    bytes_.clear();
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& path) {
    std::string content;
    try {
        content = read_file(path);
    } catch (const Error& e) {
        throw EFOpenError("Cannot open file \"" + path + "\". " + e.what());
    }
    if (std::int64_t(content.size()) > kMaxSize) throw EReadStreamError();
    bytes_.assign(content.begin(), content.end());
    position_ = 0;
}

void TMemoryStream::SaveToFile(const std::string& path) const { write_file_replacing(path, bytes_); }

}  // namespace korvane
