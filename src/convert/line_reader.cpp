#include "convert/line_reader.h"

#include <algorithm>

namespace korvane {
namespace {
constexpr char kEndOfFileMark = 0x1A;
}

// The lines never need more room than the bytes they came from: each joining
// LF replaces at least the line end it stands for.
TextLines::TextLines(std::string bytes) : lines_(std::move(bytes)) {
    char* b = lines_.data();
    const std::size_t size = lines_.size();
    std::size_t read = 0, write = 0;
    bool input_ended = false;
    while (read < size && !input_ended && b[read] != kEndOfFileMark) {
        if (count_ > 0) b[write++] = '\n';
        const std::size_t start = write;
        while (read < size) {
            char c = b[read++];
            if (c == '\n') break;
            if (c == '\r') {
                if (read < size && b[read] == '\n') {
                    ++read;
                    break;
                }
                continue;
            }
            if (c == kEndOfFileMark) {
                while (read < size) {
                    if (b[read] == kEndOfFileMark) {
                        input_ended = true;
                        break;
                    }
                    if (b[read++] == '\n') break;
                }
                break;
            }
            b[write++] = c == '\t' ? ' ' : c;
        }
        ++count_;
        longest_ = std::max(longest_, write - start);
    }
    lines_.resize(write);
}

TextLines::Iterator& TextLines::Iterator::operator++() {
    auto at = rest_.find('\n');
    rest_ = at == std::string_view::npos ? std::string_view() : rest_.substr(at + 1);
    --left_;
    return *this;
}

}  // namespace korvane
