// txt2bmp: draws a GB2312/GBK text file as a 1-bit BMP page.

#include <cstdio>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "base/file_io.h"
#include "base/standard_output.h"
#include "convert/bmp_writer.h"
#include "convert/converter.h"
#include "convert/embedded_fonts.h"
#include "options.h"
#include "progress_bar.h"
#include "transcode.h"

namespace korvane::txt2bmp {
namespace {

enum ExitCode { kSuccess = 0, kConversionError = 1, kUsageError = 2 };

// Inputs at least this large show a progress bar on a terminal.
constexpr std::size_t kLargeInput = 1 << 20;

std::string read_input(const std::string& path) {
    if (path != "-") return read_file(path);
    std::string bytes;
    char buffer[1 << 16];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, stdin)) bytes.append(buffer, got);
    if (std::ferror(stdin)) throw Error("cannot read standard input");
    return bytes;
}

void write_output(const PageImage& page, const std::string& path) {
    if (path != "-") return save_bmp(page, path);
    auto header = bmp_header(page);
    auto rows = page.bmp_rows();
    if (std::fwrite(header.data(), 1, header.size(), stdout) != header.size() ||
        std::fwrite(rows.data(), 1, rows.size(), stdout) != rows.size() || std::fflush(stdout) != 0)
        throw Error(kStreamWriteError);
}

int convert(const Options& options) {
    std::string text;
    try {
        text = read_input(options.input);
    } catch (const Error& e) {
        throw Error(options.input + ": " + e.what());
    }
    if (options.encoding) {
        Transcoded gbk = to_cp936(text, *options.encoding);
        if (gbk.replaced && options.progress != ProgressMode::never)
            std::fprintf(stderr, "txt2bmp: warning: %zu character%s without a GBK form written as '?'\n",
                         gbk.replaced, gbk.replaced == 1 ? "" : "s");
        text = std::move(gbk.bytes);
    }
    bool show_progress = options.progress == ProgressMode::always ||
                         (options.progress == ProgressMode::automatic && text.size() >= kLargeInput &&
                          isatty(STDERR_FILENO));
    TextLines lines(std::move(text));
    std::optional<ProgressBar> bar;
    ProgressCallback on_progress;
    if (show_progress) {
        bar.emplace(stderr);
        on_progress = [&](int percent) { bar->show(percent); };
    }
    PageImage page = render_text_page(lines, embedded_font_tables(), on_progress);
    bar.reset();  // ends the bar's line before anything else is said
    write_output(page, options.output);
    return kSuccess;
}

int run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    Options options;
    try {
        options = parse_options(args);
        if (options.help) {
            std::fputs(kUsage, stdout);
            return kSuccess;
        }
        if (options.version) {
            std::puts("txt2bmp 1.0");
            return kSuccess;
        }
        return convert(options);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "txt2bmp: %s\nTry 'txt2bmp --help'.\n", e.what());
        return kUsageError;
    } catch (const Error& e) {
        std::fprintf(stderr, "txt2bmp: %s\n", e.what());
        return kConversionError;
    }
}

}  // namespace
}  // namespace korvane::txt2bmp

int main(int argc, char** argv) {
    return korvane::finish_standard_output("txt2bmp", korvane::txt2bmp::run(argc, argv));
}
