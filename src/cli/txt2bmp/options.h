#pragma once
// The command line of txt2bmp.

#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "base/error.h"

namespace korvane::txt2bmp {

// A command line that cannot be run; exit code 2.
class UsageError : public Error {
public:
    using Error::Error;
};

enum class ProgressMode { automatic, always, never };

enum class OutputFormat { bmp, png };

struct Options {
    std::string input;   // "-" for standard input
    std::string output;  // "-" for standard output
    std::optional<std::string> encoding;
    ProgressMode progress = ProgressMode::automatic;
    OutputFormat format = OutputFormat::bmp;
    std::size_t page_lines = 0;  // 0: the whole text on one page
    bool help = false;
    bool version = false;
};

// The arguments after the program name. Throws UsageError.
Options parse_options(std::span<const std::string> args);

extern const char* const kUsage;

}  // namespace korvane::txt2bmp
