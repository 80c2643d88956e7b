#include "base/file_io.h"

#include "base/error.h"
#include "base/strings.h"

namespace korvane {

std::string read_error_message(int code) {
    switch (code) {
        case 2: return "File not found";
        case 3: return "Invalid filename";
        case 4: return "Too many open files";
        case 5: return "File access denied";
        case 100: return "Read beyond end of file";
        case 101: return "Disk full";
        case 106: return "Invalid numeric input";
        default: return format("I/O error %d", code);
    }
}

namespace {

std::string file_message(std::string_view failure, std::string_view path,
                         std::string_view os_text) {
    while (!os_text.empty() &&
           (os_text.back() == '.' || os_text.back() == ' ' || os_text.back() == '\t' ||
            os_text.back() == '\r' || os_text.back() == '\n'))
        os_text.remove_suffix(1);
    return std::string(failure) + " \"" + std::string(path) + "\". " + std::string(os_text);
}

}  // namespace

std::string cannot_create_message(std::string_view path, std::string_view os_text) {
    return file_message("Cannot create file", path, os_text);
}

std::string cannot_open_message(std::string_view path, std::string_view os_text) {
    return file_message("Cannot open file", path, os_text);
}

void write_file_replacing(const std::string& path, std::span<const std::uint8_t> bytes) {
    ReplacingFile file(path);
    file.write(bytes);
    file.commit();
}

namespace detail {

std::string temp_path_for(const std::string& target, unsigned long process, unsigned attempt) {
    auto slash = target.find_last_of("/\\:");
    std::size_t name_at = slash == std::string::npos ? 0 : slash + 1;
    return target.substr(0, name_at) + "." + target.substr(name_at) +
           format(".%lu-%u.tmp", process, attempt);
}

}  // namespace detail
}  // namespace korvane
