// POSIX side of file_io.h. System error numbers are mapped to the codes the
// messages are keyed by, so the texts match the Windows build.

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/error.h"
#include "base/file_handle.h"
#include "base/file_io.h"

namespace korvane {
namespace {

int system_code(int error) {
    switch (error) {
        case ENOENT: return 2;
        case ENOTDIR:
        case ENAMETOOLONG: return 3;
        case EMFILE:
        case ENFILE: return 4;
        case EACCES:
        case EPERM:
        case EISDIR: return 5;
        default: return error;
    }
}

[[noreturn]] void throw_read_error(int error) { throw Error(read_error_message(system_code(error))); }

}  // namespace

std::string read_file(const std::string& path) {
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.is_open()) throw_read_error(errno);
    struct stat info {};
    if (::fstat(int(file.native()), &info) != 0) throw_read_error(errno);
    if (S_ISDIR(info.st_mode)) throw_read_error(EISDIR);

    std::string bytes;
    // The size is a hint only: a file that grows or shrinks meanwhile is read as it is.
    std::size_t capacity = S_ISREG(info.st_mode) ? std::size_t(info.st_size) + 1 : 1 << 16;
    bytes.resize(capacity);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) bytes.resize(bytes.size() * 2);
        ssize_t got = ::read(int(file.native()), bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw_read_error(errno);
        }
        if (got == 0) break;
        used += std::size_t(got);
    }
    bytes.resize(used);
    return bytes;
}

ReplacingFile::ReplacingFile(std::string path) : path_(std::move(path)), target_(path_) {
    // A symbolic link stays a link: the file it points at is the one replaced.
    struct stat link {};
    if (::lstat(path_.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char* resolved = ::realpath(path_.c_str(), nullptr)) {
            target_ = resolved;
            std::free(resolved);
        }
    }
    for (unsigned attempt = 0;; ++attempt) {
        temp_path_ = detail::temp_path_for(target_, static_cast<unsigned long>(::getpid()), attempt);
        int fd = ::open(temp_path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            handle_ = fd;
            break;
        }
        if (errno != EEXIST || attempt == 100) {
            int error = errno;
            temp_path_.clear();
            throw Error(cannot_create_message(path_, std::strerror(error)));
        }
    }
    // A replaced file keeps its permissions.
    struct stat target {};
    if (::stat(target_.c_str(), &target) == 0 && S_ISREG(target.st_mode))
        ::fchmod(int(handle_), target.st_mode & 07777);
}

ReplacingFile::~ReplacingFile() { discard(); }

void ReplacingFile::discard() {
    if (handle_ >= 0) ::close(int(handle_));
    handle_ = -1;
    if (!temp_path_.empty()) ::unlink(temp_path_.c_str());
    temp_path_.clear();
}

void ReplacingFile::write(std::span<const std::uint8_t> bytes) {
    if (handle_ < 0) throw Error(kStreamWriteError);
    while (!bytes.empty()) {
        ssize_t put = ::write(int(handle_), bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            discard();
            throw Error(kStreamWriteError);
        }
        bytes = bytes.subspan(std::size_t(put));
    }
}

void ReplacingFile::commit() {
    if (handle_ < 0) throw Error(kStreamWriteError);
    // Some file systems report a full disk only when the file is closed.
    int closed = ::close(int(handle_));
    handle_ = -1;
    if (closed != 0) {
        discard();
        throw Error(kStreamWriteError);
    }
    if (::rename(temp_path_.c_str(), target_.c_str()) != 0) {
        int error = errno;
        discard();
        throw Error(cannot_create_message(path_, std::strerror(error)));
    }
    temp_path_.clear();
}

}  // namespace korvane
