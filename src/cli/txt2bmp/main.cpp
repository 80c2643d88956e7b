// txt2bmp: draws a GB2312/GBK text file as a 1-bit BMP (or PNG) page.

#include <algorithm>
#include <cstdio>
#include <deque>
#include <new>
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
#include "page_files.h"
#include "png_output.h"
#include "progress_bar.h"
#include "transcode.h"

namespace korvane::txt2bmp {
namespace {

enum ExitCode { kSuccess = 0, kConversionError = 1, kUsageError = 2 };

// Inputs at least this large show a progress bar on a terminal.
constexpr std::size_t kLargeInput = 1 << 20;

// Read failures name the input.
template <class Action>
auto reading(const std::string& input, const Action& action) {
    try {
        return action();
    } catch (const Error& e) {
        throw Error(input + ": " + e.what());
    }
}

// The text as GBK lines, read with the page bound in view; text in another
// encoding is converted as it is read.
TextLines read_lines(const Options& options, std::uint64_t& input_size) {
    InputFile in = reading(options.input, [&] {
        return options.input == "-" ? InputFile::standard_input() : InputFile(options.input);
    });
    auto source = [&](std::span<char> buffer) { return reading(options.input, [&] { return in.read(buffer); }); };
    if (!options.encoding) {
        TextLines lines = read_text_lines(source, in.size_hint());
        input_size = in.bytes_read();
        return lines;
    }
    Transcoder transcoder(*options.encoding);
    std::vector<char> piece(1 << 16);
    std::string gbk;
    std::size_t given = 0;  // of gbk
    bool ended = false;
    auto gbk_source = [&](std::span<char> buffer) {
        std::size_t filled = 0;
        while (filled < buffer.size()) {
            if (given == gbk.size()) {
                if (ended) break;
                std::size_t got = source(piece);
                ended = got < piece.size();
                gbk = transcoder.convert(std::string_view(piece.data(), got), ended);
                given = 0;
                continue;
            }
            std::size_t n = std::min(buffer.size() - filled, gbk.size() - given);
            std::copy_n(gbk.data() + given, n, buffer.data() + filled);
            filled += n;
            given += n;
        }
        return filled;
    };
    TextLines lines = read_text_lines(gbk_source, 0);
    input_size = in.bytes_read();
    if (transcoder.replaced() && options.progress != ProgressMode::never)
        std::fprintf(stderr, "txt2bmp: warning: %zu character%s without a GBK form written as '?'\n",
                     transcoder.replaced(), transcoder.replaced() == 1 ? "" : "s");
    return lines;
}

void write_page(const Options& options, const LineSpan& lines, const ByteSink& out,
                const ProgressCallback& progress) {
    if (options.format == OutputFormat::png) write_text_png(lines, embedded_font_tables(), out, progress);
    else write_text_bmp(lines, embedded_font_tables(), out, progress);
}

void write_to_stdout(std::span<const std::uint8_t> bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) throw Error(kStreamWriteError);
}

int convert(const Options& options) {
    std::uint64_t input_size = 0;
    const TextLines lines = read_lines(options, input_size);
    bool show_progress = options.progress == ProgressMode::always ||
                         (options.progress == ProgressMode::automatic && input_size >= kLargeInput &&
                          isatty(STDERR_FILENO));
    std::optional<ProgressBar> bar;
    if (show_progress) bar.emplace(stderr);

    std::vector<LineSpan> pages = options.page_lines ? LineSpan(lines).pages(options.page_lines)
                                                     : std::vector<LineSpan>{lines};
    // Every page is checked before any is written.
    for (const LineSpan& page : pages) check_page_size(page_size_for(page.longest(), page.count()));

    if (options.output == "-") {
        write_page(options, pages[0], write_to_stdout, [&](int percent) { if (bar) bar->show(percent); });
        if (std::fflush(stdout) != 0) throw Error(kStreamWriteError);
        return kSuccess;
    }
    std::vector<std::string> names =
        options.page_lines ? page_file_names(options.output, pages.size()) : std::vector<std::string>{options.output};
    if (options.input != "-")
        for (const std::string& name : names) refuse_source_as_target(options.input, name);
    // All pages go to temporary files first, and replace their targets together.
    std::deque<ReplacingFile> files;
    std::size_t lines_before = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        ReplacingFile& file = files.emplace_back(names[p]);
        std::size_t page_count = pages[p].count();
        // The bar covers all the pages: a page's share is its lines.
        auto on_progress = [&](int percent) {
            if (bar && lines.count())
                bar->show(int((lines_before * 100 + page_count * std::size_t(percent)) / lines.count()));
        };
        write_page(options, pages[p], [&](std::span<const std::uint8_t> bytes) { file.write(bytes); },
                   bar ? ProgressCallback(on_progress) : ProgressCallback());
        file.close();
        lines_before += page_count;
    }
    for (ReplacingFile& file : files) file.commit();
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
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "txt2bmp: %s\n", kOutOfMemory);
        return kConversionError;
    }
}

}  // namespace
}  // namespace korvane::txt2bmp

int main(int argc, char** argv) {
    return korvane::finish_standard_output("txt2bmp", korvane::txt2bmp::run(argc, argv));
}
