#include "skinpack/file_io.h"

#include "base/error.h"
#include "base/file_io.h"

namespace korvane::skinpack {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    try {
        const std::string bytes = read_file(path);
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    } catch (const Error& e) {
        throw Error(path + ": " + e.what());
    }
}

void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    try {
        write_file_replacing(path, bytes);
    } catch (const Error& e) {
        throw Error(path + ": " + e.what());
    }
}

}  // namespace korvane::skinpack
