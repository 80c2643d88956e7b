#include "options.h"

#include <charconv>
#include <vector>

namespace korvane::txt2bmp {

const char* const kUsage =
    "Usage: txt2bmp [options] INPUT OUTPUT\n"
    "Draws a GB2312/GBK text file as a 1-bit BMP page with the ASC16 and HZK16\n"
    "dot-matrix fonts. INPUT and OUTPUT may be - for standard input and output.\n"
    "\n"
    "  --encoding NAME  convert the text from NAME (utf-8, gb18030, big5, ...) to\n"
    "                   GBK first; characters without a GBK form become '?'\n"
    "  --format FORMAT  bmp (the default) or png: the same page as a 1-bit\n"
    "                   grayscale PNG file\n"
    "  --page-lines N   a page for every N lines: OUTPUT out.bmp is written as\n"
    "                   out-1.bmp, out-2.bmp, ... numbered with as many digits as\n"
    "                   the page count has (out-01.bmp ... out-12.bmp); all pages\n"
    "                   are written or none\n"
    "  --progress       always show a progress bar on standard error\n"
    "  --quiet          show no progress bar and no warnings\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n"
    "Exit status: 0 success, 1 conversion error (nothing written), 2 usage error.\n";

namespace {

std::size_t page_lines_of(const std::string& text) {
    std::size_t n = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || n == 0)
        throw UsageError("--page-lines needs a whole number of lines above 0, not '" + text + "'");
    return n;
}

OutputFormat format_of(const std::string& text) {
    if (text == "bmp") return OutputFormat::bmp;
    if (text == "png") return OutputFormat::png;
    throw UsageError("unknown format '" + text + "' (bmp or png)");
}

}  // namespace

Options parse_options(std::span<const std::string> args) {
    Options options;
    std::vector<std::string> files;
    bool only_files = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // The value of --name VALUE or --name=VALUE.
        auto value_of = [&](const std::string& name, const std::string& missing) -> std::optional<std::string> {
            if (arg == name) {
                if (i + 1 == args.size()) throw UsageError(missing);
                return args[++i];
            }
            if (arg.rfind(name + "=", 0) == 0) return arg.substr(name.size() + 1);
            return std::nullopt;
        };
        if (only_files || arg == "-" || arg.empty() || arg[0] != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            only_files = true;
        } else if (auto encoding = value_of("--encoding", "--encoding needs an encoding name")) {
            options.encoding = *encoding;
        } else if (auto format = value_of("--format", "--format needs bmp or png")) {
            options.format = format_of(*format);
        } else if (auto lines = value_of("--page-lines", "--page-lines needs a number of lines")) {
            options.page_lines = page_lines_of(*lines);
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
    if (options.page_lines && options.output == "-")
        throw UsageError("--page-lines needs an OUTPUT file name to number the pages after");
    return options;
}

}  // namespace korvane::txt2bmp
