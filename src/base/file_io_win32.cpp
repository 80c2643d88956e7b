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

[[noreturn]] void throw_read_error() { throw Error(read_error_message(int(GetLastError()))); }

// The volume and index that name a file, for comparing two paths.
bool file_identity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    FileHandle file(reinterpret_cast<std::intptr_t>(
        CreateFileW(widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)));
    return file.is_open() && GetFileInformationByHandle(as_handle(file.native()), &info);
}

}  // namespace

InputFile::InputFile(const std::string& path)
    : file_(std::make_unique<FileHandle>(reinterpret_cast<std::intptr_t>(
          CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                      FILE_FLAG_SEQUENTIAL_SCAN, nullptr)))) {
    if (!file_->is_open()) throw_read_error();
    if (GetFileType(as_handle(file_->native())) != FILE_TYPE_DISK) return;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(as_handle(file_->native()), &size)) throw_read_error();
    size_hint_ = std::uint64_t(size.QuadPart);
}

InputFile InputFile::standard_input() {
    HANDLE copy = INVALID_HANDLE_VALUE;
    if (!DuplicateHandle(GetCurrentProcess(), GetStdHandle(STD_INPUT_HANDLE), GetCurrentProcess(), &copy,
                         0, FALSE, DUPLICATE_SAME_ACCESS))
        throw_read_error();
    return InputFile(std::make_unique<FileHandle>(reinterpret_cast<std::intptr_t>(copy)));
}

std::size_t InputFile::read(std::span<char> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        DWORD want = DWORD(std::min<std::size_t>(buffer.size() - done, kChunk));
        DWORD got = 0;
        if (!ReadFile(as_handle(file_->native()), buffer.data() + done, want, &got, nullptr)) {
            if (GetLastError() == ERROR_BROKEN_PIPE) break;  // the writing end has closed
            throw_read_error();
        }
        if (got == 0) break;
        done += got;
    }
    bytes_read_ += done;
    return done;
}

bool same_file(const std::string& a, const std::string& b) {
    BY_HANDLE_FILE_INFORMATION first{}, second{};
    return file_identity(a, first) && file_identity(b, second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

ReplacingFile::ReplacingFile(std::string path) : path_(std::move(path)), target_(path_) {
    DWORD attributes = GetFileAttributesW(widen(path_).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        throw Error(cannot_create_message(path_, system_text(ERROR_ACCESS_DENIED)));
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
    if (handle_ == -1 || failed_) throw Error(kStreamWriteError);
    while (!bytes.empty()) {
        DWORD want = DWORD(std::min<std::size_t>(bytes.size(), kChunk));
        DWORD put = 0;
        if (!WriteFile(as_handle(handle_), bytes.data(), want, &put, nullptr) || put == 0) {
            failed_ = true;
            discard();
            throw Error(kStreamWriteError);
        }
        bytes = bytes.subspan(put);
    }
}

void ReplacingFile::close() {
    if (failed_) throw Error(kStreamWriteError);
    if (handle_ == -1) return;
    BOOL closed = CloseHandle(as_handle(handle_));
    handle_ = -1;
    if (!closed) {
        failed_ = true;
        discard();
        throw Error(kStreamWriteError);
    }
}

void ReplacingFile::commit() {
    close();
    if (temp_path_.empty()) return;
    if (!MoveFileExW(widen(temp_path_).c_str(), widen(target_).c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DWORD error = GetLastError();
        discard();
        throw Error(cannot_create_message(path_, system_text(error)));
    }
    temp_path_.clear();
}

}  // namespace korvane
