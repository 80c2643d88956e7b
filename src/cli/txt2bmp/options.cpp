#include "options.h"

#include <vector>

namespace korvane::txt2bmp {

const char* const kUsage =
    "Usage: txt2bmp [options] INPUT OUTPUT\n"
    "Draws a GB2312/GBK text file as a 1-bit BMP page with the ASC16 and HZK16\n"
    "dot-matrix fonts. INPUT and OUTPUT may be - for standard input and output.\n"
    "\n"
    "  --encoding NAME  convert the text from NAME (utf-8, gb18030, big5, ...) to\n"
    "                   GBK first; characters without a GBK form become '?'\n"
    "  --progress       always show a progress bar on standard error\n"
    "  --quiet          show no progress bar and no warnings\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n"
    "Exit status: 0 success, 1 conversion error (nothing written), 2 usage error.\n";

Options parse_options(std::span<const std::string> args) {
    Options options;
    std::vector<std::string> files;
    bool only_files = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (only_files || arg == "-" || arg.empty() || arg[0] != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            only_files = true;
        } else if (arg == "--encoding") {
            if (i + 1 == args.size()) throw UsageError("--encoding needs an encoding name");
            options.encoding = args[++i];
        } else if (arg.rfind("--encoding=", 0) == 0) {
            options.encoding = arg.substr(11);
        } else if (arg == "--progress") {
            options.progress = ProgressMode::always;
        } else if (arg == "--quiet") {
            options.progress = ProgressMode::never;
        } else if (arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else {
            throw UsageError("unknown option " + arg);
        }
    }
    if (options.encoding && options.encoding->empty()) throw UsageError("--encoding needs an encoding name");
    if (options.help || options.version) return options;
    if (files.size() < 2) throw UsageError("an INPUT and an OUTPUT file are needed");
    if (files.size() > 2) throw UsageError("unexpected argument " + files[2]);
    options.input = files[0];
    options.output = files[1];
    return options;
}

}  // namespace korvane::txt2bmp
