#pragma once
// The command line of a program that wears a skin (korvane.exe, gallery.exe):
// `--skin FILE.skn` starts it in another skin package (its own skin stays the
// default). Other arguments are ignored, as the tool has always done.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korvane {

struct StartOptions {
    std::string skin_file;
    // Set when the command line asks for something it does not say fully.
    std::string problem;
};

StartOptions ParseStartOptions(std::span<const std::string> args);

// What the tool says when the skin asked for cannot be used.
std::string SkinFileNotice(const std::string& path, const std::string& reason);

// The largest skin package file a program reads (64 MB; the shipped ones hold
// about 13 KB).
inline constexpr std::uint64_t kMaxSkinFileBytes = std::uint64_t(1) << 26;

// A skin package file as a program reads it before wearing it: its bytes
// when the engine can wear them, or else the notice that says why not
// (SkinFileNotice with the read error, "larger than 67108864 bytes", the
// package reader's first notice, or "not a skin package"). The reader's
// notices are not shown on their own.
struct SkinFile {
    std::vector<std::uint8_t> bytes;
    std::string notice;
    bool Wearable() const { return notice.empty(); }
};
SkinFile ReadSkinFile(const std::string& path);

}  // namespace korvane
