#pragma once
// Whole-file reads and writes for the skinpack commands, naming the file in
// every message. Paths are UTF-8.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::skinpack {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// Both throw Error.
std::vector<std::uint8_t> ReadFile(const std::string& path);
// The file is replaced as a whole or not at all.
void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace korvane::skinpack
