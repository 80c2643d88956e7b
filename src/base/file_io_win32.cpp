// Win32 side of file_io.h: wide-character paths, system error codes as they are.

#include <windows.h>

#include <algorithm>
#include <string>

#include "base/error.h"
#include "base/file_handle.h"
#include "base/file_io.h"
#include "base/win32_text.h"

namespace korvane {
namespace {

using win32::system_text;

HANDLE as_handle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

constexpr DWORD kChunk = 1u << 30;

}  // namespace

std::string read_file(const std::string& path) {
    FileHandle file(reinterpret_cast<std::intptr_t>(
        CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr)));
    if (!file.is_open()) throw Error(read_error_message(int(GetLastError())));
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(as_handle(file.native()), &size))
        throw Error(read_error_message(int(GetLastError())));

    std::string bytes(std::size_t(size.QuadPart) + 1, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) bytes.resize(bytes.size() * 2);
        DWORD want = DWORD(std::min<std::size_t>(bytes.size() - used, kChunk));
        DWORD got = 0;
        if (!ReadFile(as_handle(file.native()), bytes.data() + used, want, &got, nullptr))
            throw Error(read_error_message(int(GetLastError())));
        if (got == 0) break;
        used += got;
    }
    bytes.resize(used);
    return bytes;
}

ReplacingFile::ReplacingFile(std::string path) : path_(std::move(path)), target_(path_) {
    for (unsigned attempt = 0;; ++attempt) {
        temp_path_ = detail::temp_path_for(target_, GetCurrentProcessId(), attempt);
        HANDLE h = CreateFileW(widen(temp_path_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            handle_ = reinterpret_cast<std::intptr_t>(h);
            return;
        }
        DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS || attempt == 100) {
            temp_path_.clear();
            throw Error(cannot_create_message(path_, system_text(error)));
        }
    }
}

ReplacingFile::~ReplacingFile() { discard(); }

void ReplacingFile::discard() {
    if (handle_ != -1) CloseHandle(as_handle(handle_));
    handle_ = -1;
    if (!temp_path_.empty()) DeleteFileW(widen(temp_path_).c_str());
    temp_path_.clear();
}

void ReplacingFile::write(std::span<const std::uint8_t> bytes) {
    if (handle_ == -1) throw Error(kStreamWriteError);
    while (!bytes.empty()) {
        DWORD want = DWORD(std::min<std::size_t>(bytes.size(), kChunk));
        DWORD put = 0;
        if (!WriteFile(as_handle(handle_), bytes.data(), want, &put, nullptr) || put == 0) {
            discard();
            throw Error(kStreamWriteError);
        }
        bytes = bytes.subspan(put);
    }
}

void ReplacingFile::commit() {
    if (handle_ == -1) throw Error(kStreamWriteError);
    BOOL closed = CloseHandle(as_handle(handle_));
    handle_ = -1;
    if (!closed) {
        discard();
        throw Error(kStreamWriteError);
    }
    if (!MoveFileExW(widen(temp_path_).c_str(), widen(target_).c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DWORD error = GetLastError();
        discard();
        throw Error(cannot_create_message(path_, system_text(error)));
    }
    temp_path_.clear();
}

}  // namespace korvane
