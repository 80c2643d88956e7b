#pragma once
// An open file read and written at a position, closed when destroyed. Paths
// are UTF-8; positions and sizes are 64-bit.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace korvane {

enum class FileMode {
    create,           // created, or emptied when it exists; read and written
    open_read,
    open_write,
    open_read_write,
};

enum class FileSeek { begin, current, end };

class FileHandle {
public:
    // The value of a handle that holds no file (-1, which is also Win32's
    // INVALID_HANDLE_VALUE).
    static constexpr std::intptr_t kNone = -1;

    // Throws Error(cannot_create_message(...)) for FileMode::create and
    // Error(cannot_open_message(...)) otherwise, with the system's text.
    FileHandle(const std::string& path, FileMode mode);
    // Takes over a file descriptor or HANDLE the caller opened, or kNone.
    explicit FileHandle(std::intptr_t native) : native_(native) {}
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool is_open() const { return native_ != kNone; }
    std::intptr_t native() const { return native_; }

    // Return the number of bytes moved: fewer than asked at the end of the
    // file or when the system refuses.
    std::size_t read(std::span<std::uint8_t> buffer);
    std::size_t write(std::span<const std::uint8_t> bytes);
    // Returns the new position, or -1 (the position unchanged) when the
    // system refuses, as for a position before the start.
    std::int64_t seek(std::int64_t offset, FileSeek from);
    // -1 when the system cannot tell.
    std::int64_t size() const;
    // Cuts or zero-extends the file; false when the system refuses.
    bool resize(std::int64_t size);

private:
    std::intptr_t native_;
};

}  // namespace korvane
