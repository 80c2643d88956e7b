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

int descriptor(const std::unique_ptr<FileHandle>& file) { return int(file->native()); }

}  // namespace

InputFile::InputFile(const std::string& path)
    : file_(std::make_unique<FileHandle>(::open(path.c_str(), O_RDONLY | O_CLOEXEC))) {
    if (!file_->is_open()) throw_read_error(errno);
    struct stat info {};
    if (::fstat(descriptor(file_), &info) != 0) throw_read_error(errno);
    if (S_ISDIR(info.st_mode)) throw_read_error(EISDIR);
    if (S_ISREG(info.st_mode)) size_hint_ = std::uint64_t(info.st_size);
}

InputFile InputFile::standard_input() {
    auto file = std::make_unique<FileHandle>(::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0));
    if (!file->is_open()) throw_read_error(errno);
    return InputFile(std::move(file));
}

std::size_t InputFile::read(std::span<char> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        ssize_t got = ::read(descriptor(file_), buffer.data() + done, buffer.size() - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw_read_error(errno);
        }
        if (got == 0) break;
        done += std::size_t(got);
    }
    bytes_read_ += done;
    return done;
}

bool same_file(const std::string& a, const std::string& b) {
    struct stat first {}, second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

ReplacingFile::ReplacingFile(std::string path) : path_(std::move(path)), target_(path_) {
    auto refuse = [&](int error) { throw Error(cannot_create_message(path_, std::strerror(error))); };
    struct stat target {};
    bool exists = ::stat(path_.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) refuse(EISDIR);
    if (exists && !S_ISREG(target.st_mode)) {
        // A device or a pipe is written where it is.
        handle_ = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
        if (handle_ < 0) refuse(errno);
        return;
    }
    if (exists && ::access(path_.c_str(), W_OK) != 0) refuse(errno);

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
            refuse(error);
        }
    }
    if (exists) {
        // The new file takes the old one's owner where this process may give
        // it (root may; a user's file stays the user's), then its permissions
        // (after the owner, which clears set-id bits).
        if (::fchown(int(handle_), target.st_uid, target.st_gid) != 0) {
            // Kept by the user who writes it.
        }
        ::fchmod(int(handle_), target.st_mode & 07777);
    }
}

ReplacingFile::~ReplacingFile() { discard(); }

void ReplacingFile::discard() {
    if (handle_ >= 0) ::close(int(handle_));
    handle_ = -1;
    if (!temp_path_.empty()) ::unlink(temp_path_.c_str());
    temp_path_.clear();
}

void ReplacingFile::write(std::span<const std::uint8_t> bytes) {
    if (handle_ < 0 || failed_) throw Error(kStreamWriteError);
    while (!bytes.empty()) {
        ssize_t put = ::write(int(handle_), bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            failed_ = true;
            discard();
            throw Error(kStreamWriteError);
        }
        bytes = bytes.subspan(std::size_t(put));
    }
}

void ReplacingFile::close() {
    if (failed_) throw Error(kStreamWriteError);
    if (handle_ < 0) return;
    // Some file systems report a full disk only when the file is closed.
    int closed = ::close(int(handle_));
    handle_ = -1;
    if (closed != 0) {
        failed_ = true;
        discard();
        throw Error(kStreamWriteError);
    }
}

void ReplacingFile::commit() {
    close();
    if (temp_path_.empty()) return;  // written in place
    if (::rename(temp_path_.c_str(), target_.c_str()) != 0) {
        int error = errno;
        discard();
        throw Error(cannot_create_message(path_, std::strerror(error)));
    }
    temp_path_.clear();
}

}  // namespace korvane
