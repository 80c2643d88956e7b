#include "convert/line_reader.h"

#include <algorithm>

namespace korvane {
namespace {
constexpr char kEndOfFileMark = 0x1A;
}

std::string_view LineSpan::Iterator::operator*() const {
    if (backwards_) return rest_.substr(rest_.rfind('\n') + 1);  // npos + 1 is 0
    return rest_.substr(0, rest_.find('\n'));
}

LineSpan::Iterator& LineSpan::Iterator::operator++() {
    if (backwards_) {
        auto at = rest_.rfind('\n');
        rest_ = at == std::string_view::npos ? std::string_view() : rest_.substr(0, at);
    } else {
        auto at = rest_.find('\n');
        rest_ = at == std::string_view::npos ? std::string_view() : rest_.substr(at + 1);
    }
    --left_;
    return *this;
}

std::vector<LineSpan> LineSpan::pages(std::size_t lines_per_page) const {
    std::vector<LineSpan> out;
    std::string_view rest = joined_;
    std::size_t left = count_;
    do {
        std::size_t count = std::min(left, lines_per_page), longest = 0, size = 0;
        for (std::size_t i = 0; i < count; ++i) {
            std::size_t end = std::min(rest.find('\n', size), rest.size());
            longest = std::max(longest, end - size);
            size = end + 1;
        }
        out.emplace_back(rest.substr(0, count ? size - 1 : 0), count, longest);
        rest = rest.substr(std::min(size, rest.size()));
        left -= count;
    } while (left > 0);
    return out;
}

TextLines::TextLines(std::string bytes) : lines_(std::move(bytes)) { read_from(0); }

void TextLines::add(std::string_view bytes) {
    std::size_t from = lines_.size();
    lines_.append(bytes);
    read_from(from);
}

// The lines never need more room than the bytes they came from: the LF that
// ends a line in lines_ replaces the line end (or 0x1A) it stands for. So
// the text is rewritten where it lies, and the bytes before `from` are lines
// already.
void TextLines::read_from(std::size_t from) {
    char* b = lines_.data();
    const std::size_t size = lines_.size();
    std::size_t write = from;
    auto end_line = [&] {
        longest_ = std::max(longest_, write - line_begin_);
        b[write++] = '\n';
    };
    for (std::size_t read = from; read < size && state_ != State::ended;) {
        char c = b[read++];
        switch (state_) {
            case State::line_start:
                if (c == kEndOfFileMark) {
                    state_ = State::ended;
                    break;
                }
                line_begin_ = write;
                ++count_;
                state_ = State::in_line;
                --read;  // the byte is the line's first
                break;
            case State::in_line:
                if (c == '\n') {
                    end_line();
                    state_ = State::line_start;
                } else if (c == '\r') {
                    state_ = State::after_cr;
                } else if (c == kEndOfFileMark) {
                    end_line();
                    state_ = State::skipping;
                } else {
                    b[write++] = c == '\t' ? ' ' : c;
                }
                break;
            case State::after_cr:
                if (c == '\n') {
                    end_line();
                    state_ = State::line_start;
                } else {
                    state_ = State::in_line;  // the CR is dropped
                    --read;
                }
                break;
            case State::skipping:
                if (c == kEndOfFileMark) state_ = State::ended;
                else if (c == '\n') state_ = State::line_start;
                break;
            case State::ended:
                break;
        }
    }
    if (line_open()) longest_ = std::max(longest_, write - line_begin_);
    lines_.resize(write);
}

TextLines::operator LineSpan() const {
    // The last line's LF is there only once the line has ended.
    std::size_t joined = lines_.size() - (count_ > 0 && !line_open() ? 1 : 0);
    return {std::string_view(lines_).substr(0, joined), count_, longest_};
}

}  // namespace korvane
