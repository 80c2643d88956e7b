#pragma once
// The tool's command line: `--skin FILE.skn` starts it in another skin
// package (the stored skin stays the default). Other arguments are ignored,
// as the tool has always done.

#include <span>
#include <string>

namespace korvane {

struct StartOptions {
    std::string skin_file;
    // Set when the command line asks for something it does not say fully.
    std::string problem;
};

StartOptions ParseStartOptions(std::span<const std::string> args);

// What the tool says when the skin asked for cannot be used.
std::string SkinFileNotice(const std::string& path, const std::string& reason);

}  // namespace korvane
