#include "skinpack/file_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "base/error.h"

namespace korvane::skinpack {

namespace {

[[noreturn]] void Fail(const char* action, const std::filesystem::path& path) {
    const int error = errno;
    throw Error(std::string("cannot ") + action + " \"" + Utf8FromPath(path) + "\": " +
                (error ? std::strerror(error) : "I/O error"));
}

}  // namespace

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail("read", path);
    try {
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        if (in.bad()) Fail("read", path);
        return bytes;
    } catch (const std::ios_base::failure&) {  // a directory, for one
        Fail("read", path);
    }
}

void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) Fail("write", path);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) Fail("write", path);
}

}  // namespace korvane::skinpack
