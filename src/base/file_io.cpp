#include "base/file_io.h"

#include <algorithm>

#include "base/error.h"
#include "base/file_handle.h"
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

InputFile::InputFile(std::unique_ptr<FileHandle> file) : file_(std::move(file)) {}
InputFile::~InputFile() = default;
InputFile::InputFile(InputFile&&) noexcept = default;
InputFile& InputFile::operator=(InputFile&&) noexcept = default;

std::string read_file(const std::string& path) {
    InputFile file(path);
    // One more byte than the hint, so that reaching the end needs no growing.
    std::string bytes(std::size_t(file.size_hint()) + 1, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) bytes.resize(bytes.size() * 2);
        std::size_t got = file.read(std::span<char>(bytes).subspan(used));
        used += got;
        if (used < bytes.size()) break;
    }
    bytes.resize(used);
    return bytes;
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
    std::string_view name = std::string_view(target).substr(name_at);
    std::string suffix = format(".%lu-%u.tmp", process, attempt);
    std::size_t room = std::max(name.size(), kShortTempName);
    std::size_t keep = room > suffix.size() + 1 ? room - suffix.size() - 1 : 0;
    if (name.size() > keep) {
        // Cut at the start of a UTF-8 character, never inside one.
        while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
        name = name.substr(0, keep);
    }
    return target.substr(0, name_at) + "." + std::string(name) + suffix;
}

}  // namespace detail
}  // namespace korvane
