// POSIX side of file_handle.h.

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/error.h"
#include "base/file_handle.h"
#include "base/file_io.h"

namespace korvane {
namespace {

int open_flags(FileMode mode) {
    switch (mode) {
        case FileMode::create: return O_RDWR | O_CREAT | O_TRUNC;
        case FileMode::open_read: return O_RDONLY;
        case FileMode::open_write: return O_WRONLY;
        case FileMode::open_read_write: return O_RDWR;
    }
    return O_RDONLY;
}

int whence(FileSeek from) {
    switch (from) {
        case FileSeek::begin: return SEEK_SET;
        case FileSeek::current: return SEEK_CUR;
        case FileSeek::end: return SEEK_END;
    }
    return SEEK_SET;
}

}  // namespace

FileHandle::FileHandle(const std::string& path, FileMode mode)
    : native_(::open(path.c_str(), open_flags(mode) | O_CLOEXEC, 0666)) {
    if (native_ != kNone) {
        // A folder opens for reading on POSIX, but is no file to stream.
        struct stat info {};
        if (::fstat(int(native_), &info) != 0 || !S_ISDIR(info.st_mode)) return;
        ::close(int(native_));
        native_ = kNone;
        errno = EISDIR;
    }
    const char* reason = std::strerror(errno);
    throw Error(mode == FileMode::create ? cannot_create_message(path, reason)
                                         : cannot_open_message(path, reason));
}

FileHandle::~FileHandle() {
    if (native_ != kNone) ::close(int(native_));
}

std::size_t FileHandle::read(std::span<std::uint8_t> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        ssize_t got = ::read(int(native_), buffer.data() + done, buffer.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += std::size_t(got);
    }
    return done;
}

std::size_t FileHandle::write(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t put = ::write(int(native_), bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) break;
        done += std::size_t(put);
    }
    return done;
}

std::int64_t FileHandle::seek(std::int64_t offset, FileSeek from) {
    return std::int64_t(::lseek(int(native_), off_t(offset), whence(from)));
}

std::int64_t FileHandle::size() const {
    struct stat info {};
    if (::fstat(int(native_), &info) != 0) return -1;
    return std::int64_t(info.st_size);
}

bool FileHandle::resize(std::int64_t size) {
    return size >= 0 && ::ftruncate(int(native_), off_t(size)) == 0;
}

}  // namespace korvane
