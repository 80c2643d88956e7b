#include "convert/converter.h"

#include <algorithm>
#include <new>
#include <vector>

#include "base/error.h"
#include "base/strings.h"
#include "convert/bmp_writer.h"

namespace korvane {
namespace {

// Text is read in pieces of this size.
constexpr std::size_t kReadPiece = 1 << 20;
// Lines that fit a page take at most a twentieth of its BMP file: each byte
// is at least 20 rows of one byte.
constexpr std::uint64_t kMaxLineBytes = kMaxBmpFileSize / kLinePitch;

}  // namespace

TextLines read_text_lines(const TextSource& source, std::uint64_t size_hint) {
    TextLines lines;
    lines.reserve(std::size_t(std::min(size_hint, kMaxLineBytes)));
    std::vector<char> piece(kReadPiece);
    for (;;) {
        std::size_t got = source(piece);
        lines.add(std::string_view(piece.data(), got));
        if (got < piece.size()) return lines;
        PageSize so_far = page_size_for(lines.longest(), lines.count());
        if (bmp_file_size(so_far) > kMaxBmpFileSize)
            throw Error(format("The page of at least %llu x %llu pixels is too large for a BMP file",
                               static_cast<unsigned long long>(so_far.width),
                               static_cast<unsigned long long>(so_far.height)));
    }
}

void refuse_source_as_target(const std::string& source, const std::string& target) {
    if (same_file(source, target))
        throw Error(cannot_create_message(target, "It is the text file being converted"));
}

TextLines convert_text_file(const std::string& source, const std::string& target,
                            const FontTables& fonts, const ProgressCallback& progress) {
    try {
        refuse_source_as_target(source, target);
        InputFile in(source);
        TextLines lines = read_text_lines([&](std::span<char> buffer) { return in.read(buffer); }, in.size_hint());
        check_page_size(page_size_for(lines.longest(), lines.count()));
        ReplacingFile file(target);
        write_text_bmp(lines, fonts, [&](std::span<const std::uint8_t> bytes) { file.write(bytes); }, progress);
        file.commit();
        return lines;
    } catch (const std::bad_alloc&) {
        throw Error(kOutOfMemory);
    }
}

}  // namespace korvane
