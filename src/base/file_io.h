#pragma once
// Reading whole files and replacing files in one piece, with the texts the
// user sees when either fails. Paths are UTF-8.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace korvane {

inline constexpr const char* kStreamWriteError = "Stream write error";

// The text for a failed open or read, by system error code: 2 "File not
// found", 3 "Invalid filename", 4 "Too many open files", 5 "File access
// denied", 100 "Read beyond end of file", 101 "Disk full", 106 "Invalid
// numeric input", any other "I/O error <code>".
std::string read_error_message(int code);

// "Cannot create file "<path>". <os_text>" and "Cannot open file "<path>".
// <os_text>", the operating system's text without its trailing full stops
// and blanks.
std::string cannot_create_message(std::string_view path, std::string_view os_text);
std::string cannot_open_message(std::string_view path, std::string_view os_text);

class FileHandle;

// A file read from its start to its end, piece by piece. Failures throw
// Error(read_error_message(code)).
class InputFile {
public:
    explicit InputFile(const std::string& path);
    // The process's standard input, which stays open afterwards.
    static InputFile standard_input();
    ~InputFile();
    InputFile(InputFile&&) noexcept;
    InputFile& operator=(InputFile&&) noexcept;

    // The size of a regular file when it was opened, 0 for other files: a
    // hint only, the file may change meanwhile.
    std::uint64_t size_hint() const { return size_hint_; }
    // Fills `buffer` as far as the file goes: fewer bytes only at its end.
    std::size_t read(std::span<char> buffer);
    std::uint64_t bytes_read() const { return bytes_read_; }

private:
    explicit InputFile(std::unique_ptr<FileHandle> file);

    std::unique_ptr<FileHandle> file_;
    std::uint64_t size_hint_ = 0;
    std::uint64_t bytes_read_ = 0;
};

// The whole content of a file. Throws Error with read_error_message().
std::string read_file(const std::string& path);

// Whether both paths name one existing file (links followed).
bool same_file(const std::string& a, const std::string& b);

// A file written as a whole or not at all: the bytes go to a temporary file
// in the target's folder, which replaces the target on commit(). Until then
// the target is untouched, and a file that is never committed leaves
// nothing behind. A replaced file keeps its permission bits (and, where the
// process may set it, its owner); a link stays a link and the file it
// points at is replaced.
//
// Targets that are not files (devices, pipes, links to them) cannot be
// replaced: they are written in place, as any program writes them.
class ReplacingFile {
public:
    // Throws Error(cannot_create_message(...)) when no file can be made
    // there, or when the target is a folder or a file the user may not write.
    explicit ReplacingFile(std::string path);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Throws Error(kStreamWriteError) when the bytes cannot all be written.
    void write(std::span<const std::uint8_t> bytes);
    // Ends the writing: the data is on its way to the disk, and the open
    // file is given back to the system. Throws Error(kStreamWriteError)
    // when the data cannot be flushed.
    void close();
    // Puts the written file in the target's place (closing it first). Throws
    // as close() does, or cannot_create_message() when the target cannot be
    // replaced.
    void commit();

private:
    void discard();

    std::string path_;    // as given, for messages
    std::string target_;  // the file replaced: path_, or where a link at path_ points
    std::string temp_path_;  // empty when writing in place
    std::intptr_t handle_ = -1;  // file descriptor or HANDLE; -1 when closed
    bool failed_ = false;        // a write or the close failed
};

void write_file_replacing(const std::string& path, std::span<const std::uint8_t> bytes);

namespace detail {
// The name of the n-th candidate temporary file for target, in its folder:
// never longer than the target's own name when that is longer than
// kShortTempName, so it fits wherever the target's name fits.
inline constexpr std::size_t kShortTempName = 32;
std::string temp_path_for(const std::string& target, unsigned long process, unsigned attempt);
}  // namespace detail

}  // namespace korvane
