#pragma once
// Reading whole files and replacing files in one piece, with the texts the
// user sees when either fails. Paths are UTF-8.

#include <cstdint>
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

// The whole content of a file. Throws Error with read_error_message().
std::string read_file(const std::string& path);

// A file written as a whole or not at all: the bytes go to a temporary file
// in the target's folder, which replaces the target on commit(). Until then
// the target is untouched, and a file that is never committed leaves
// nothing behind.
class ReplacingFile {
public:
    // Throws Error(cannot_create_message(...)) when no file can be made there.
    explicit ReplacingFile(std::string path);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Throws Error(kStreamWriteError) when the bytes cannot all be written.
    void write(std::span<const std::uint8_t> bytes);
    // Puts the written file in the target's place. Throws Error(kStreamWriteError)
    // when the data cannot be flushed, or cannot_create_message() when the
    // target cannot be replaced.
    void commit();

private:
    void discard();

    std::string path_;    // as given, for messages
    std::string target_;  // the file replaced: path_, or where a link at path_ points
    std::string temp_path_;
    std::intptr_t handle_ = -1;  // file descriptor or HANDLE; -1 when closed
};

void write_file_replacing(const std::string& path, std::span<const std::uint8_t> bytes);

namespace detail {
// The name of the n-th candidate temporary file for target, in its folder.
std::string temp_path_for(const std::string& target, unsigned long process, unsigned attempt);
}  // namespace detail

}  // namespace korvane
