#include "framework/core/file_stream.h"

#include "base/error.h"
#include "framework/core/errors.h"

namespace korvane {
namespace {

FileMode file_mode(TFileMode mode) {
    switch (mode) {
        case fmCreate: return FileMode::create;
        case fmOpenRead: return FileMode::open_read;
        case fmOpenWrite: return FileMode::open_write;
        case fmOpenReadWrite: return FileMode::open_read_write;
    }
    return FileMode::open_read;
}

FileSeek file_seek(TSeekOrigin origin) {
    switch (origin) {
        case soBeginning: return FileSeek::begin;
        case soCurrent: return FileSeek::current;
        case soEnd: return FileSeek::end;
    }
    return FileSeek::begin;
}

// The file opened, its failure raised as the stream error of the mode.
FileHandle open_file(const std::string& path, TFileMode mode) try {
    return FileHandle(path, file_mode(mode));
} catch (const Error& e) {
    if (mode == fmCreate) throw EFCreateError(e.what());
    throw EFOpenError(e.what());
}

}  // namespace

TFileStream::TFileStream(const std::string& path, TFileMode mode)
    : path_(path), file_(open_file(path, mode)) {}

std::size_t TFileStream::Read(std::span<std::uint8_t> buffer) { return file_.read(buffer); }

std::size_t TFileStream::Write(std::span<const std::uint8_t> bytes) { return file_.write(bytes); }

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    return file_.seek(offset, file_seek(origin));
}

std::int64_t TFileStream::Size() const {
    std::int64_t size = file_.size();
    if (size < 0) throw EReadStreamError();
    return size;
}

void TFileStream::SetSize(std::int64_t size) {
    if (!file_.resize(size)) throw EWriteStreamError();
    if (Position() > size) SetPosition(size);
}

}  // namespace korvane
