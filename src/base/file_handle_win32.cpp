// Win32 side of file_handle.h: wide-character paths, reads and writes in
// pieces a DWORD can count.

#include <windows.h>

#include <algorithm>

#include "base/error.h"
#include "base/file_handle.h"
#include "base/file_io.h"
#include "base/win32_text.h"

namespace korvane {
namespace {

constexpr std::size_t kChunk = 1u << 30;

HANDLE as_handle(std::intptr_t native) { return reinterpret_cast<HANDLE>(native); }

std::intptr_t open_file(const std::string& path, FileMode mode) {
    DWORD access = 0;
    DWORD disposition = OPEN_EXISTING;
    switch (mode) {
        case FileMode::create:
            access = GENERIC_READ | GENERIC_WRITE;
            disposition = CREATE_ALWAYS;
            break;
        case FileMode::open_read: access = GENERIC_READ; break;
        case FileMode::open_write: access = GENERIC_WRITE; break;
        case FileMode::open_read_write: access = GENERIC_READ | GENERIC_WRITE; break;
    }
    return reinterpret_cast<std::intptr_t>(CreateFileW(widen(path).c_str(), access,
                                                       FILE_SHARE_READ, nullptr, disposition,
                                                       FILE_ATTRIBUTE_NORMAL, nullptr));
}

DWORD move_method(FileSeek from) {
    switch (from) {
        case FileSeek::begin: return FILE_BEGIN;
        case FileSeek::current: return FILE_CURRENT;
        case FileSeek::end: return FILE_END;
    }
    return FILE_BEGIN;
}

}  // namespace

FileHandle::FileHandle(const std::string& path, FileMode mode) : native_(open_file(path, mode)) {
    if (native_ != kNone) return;
    std::string reason = win32::system_text(GetLastError());
    throw Error(mode == FileMode::create ? cannot_create_message(path, reason)
                                         : cannot_open_message(path, reason));
}

FileHandle::~FileHandle() {
    if (native_ != kNone) CloseHandle(as_handle(native_));
}

std::size_t FileHandle::read(std::span<std::uint8_t> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        DWORD got = 0;
        DWORD want = DWORD(std::min(buffer.size() - done, kChunk));
        if (!ReadFile(as_handle(native_), buffer.data() + done, want, &got, nullptr) || got == 0)
            break;
        done += got;
    }
    return done;
}

std::size_t FileHandle::write(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD put = 0;
        DWORD want = DWORD(std::min(bytes.size() - done, kChunk));
        if (!WriteFile(as_handle(native_), bytes.data() + done, want, &put, nullptr) || put == 0)
            break;
        done += put;
    }
    return done;
}

std::int64_t FileHandle::seek(std::int64_t offset, FileSeek from) {
    LARGE_INTEGER distance{};
    distance.QuadPart = offset;
    LARGE_INTEGER moved{};
    if (!SetFilePointerEx(as_handle(native_), distance, &moved, move_method(from))) return -1;
    return moved.QuadPart;
}

std::int64_t FileHandle::size() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(as_handle(native_), &size)) return -1;
    return size.QuadPart;
}

bool FileHandle::resize(std::int64_t size) {
    if (size < 0) return false;
    // The end is set at the file pointer, which is put back afterwards.
    std::int64_t position = seek(0, FileSeek::current);
    bool done = position >= 0 && seek(size, FileSeek::begin) == size &&
                SetEndOfFile(as_handle(native_));
    if (position >= 0) seek(position, FileSeek::begin);
    return done;
}

}  // namespace korvane
