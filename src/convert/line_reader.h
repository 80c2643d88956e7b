#pragma once
// The lines of a text file, read by the rules of the tool's text reader:
//  - a line ends at LF or CR LF; neither byte belongs to the line;
//  - a CR not followed by LF is dropped and the line goes on;
//  - 0x1A at the start of a line ends the input; inside a line it ends the
//    line's text and the rest of that line is skipped (a further 0x1A on the
//    skipped stretch ends the input);
//  - the end of the file ends the last line; a final line end adds no empty line;
//  - every tab becomes one space.
// Lines have no length limit.

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Consecutive lines, joined by LF (which no line contains), viewed where they lie.
class LineSpan {
public:
    LineSpan() = default;
    LineSpan(std::string_view joined, std::size_t count, std::size_t longest)
        : joined_(joined), count_(count), longest_(longest) {}

    std::size_t count() const { return count_; }
    // The greatest line length in bytes (0 without lines).
    std::size_t longest() const { return longest_; }

    // Walks the lines first to last, or last to first.
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;

        Iterator() = default;
        Iterator(std::string_view rest, std::size_t left, bool backwards)
            : rest_(rest), left_(left), backwards_(backwards) {}
        std::string_view operator*() const;
        Iterator& operator++();
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const Iterator& a, const Iterator& b) { return a.left_ == b.left_; }

    private:
        std::string_view rest_;  // the lines not yet passed
        std::size_t left_ = 0;   // how many they are
        bool backwards_ = false;
    };

    Iterator begin() const { return {joined_, count_, false}; }
    Iterator end() const { return {}; }
    Iterator rbegin() const { return {joined_, count_, true}; }
    Iterator rend() const { return {}; }

    // The lines cut into runs of `lines_per_page` (the last may be shorter);
    // one empty run when there are no lines.
    std::vector<LineSpan> pages(std::size_t lines_per_page) const;

private:
    std::string_view joined_;
    std::size_t count_ = 0;
    std::size_t longest_ = 0;
};

// The lines of a text, owning their bytes. The text can be given whole or
// piece by piece as it is read; count() and longest() include a line still
// being read.
class TextLines {
public:
    TextLines() = default;
    // Takes the file's bytes and rewrites them in place into the lines.
    explicit TextLines(std::string bytes);

    // Room for `bytes` more bytes of text, so that reading needs no copying.
    void reserve(std::size_t bytes) { lines_.reserve(lines_.size() + bytes); }
    // Reads the next bytes of the text.
    void add(std::string_view bytes);

    std::size_t count() const { return count_; }
    std::size_t longest() const { return longest_; }
    operator LineSpan() const;
    LineSpan::Iterator begin() const { return LineSpan(*this).begin(); }
    LineSpan::Iterator end() const { return {}; }

private:
    // Rewrites the bytes from `from` on, the text not read yet, into lines.
    void read_from(std::size_t from);
    bool line_open() const { return state_ == State::in_line || state_ == State::after_cr; }

    // Where the reader stands between two pieces of text.
    enum class State {
        line_start,  // before a line's first byte
        in_line,
        after_cr,    // a CR was met: it ends the line if LF follows
        skipping,    // after a 0x1A inside a line, up to its end
        ended,       // after a 0x1A that ends the input
    };

    std::string lines_;  // every line followed by LF, but one still open
    std::size_t count_ = 0;
    std::size_t longest_ = 0;
    std::size_t line_begin_ = 0;  // where the last line starts in lines_
    State state_ = State::line_start;
};

}  // namespace korvane
