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

namespace korvane {

class TextLines {
public:
    TextLines() = default;
    // Takes the file's bytes and rewrites them in place into the lines.
    explicit TextLines(std::string bytes);

    std::size_t count() const { return count_; }
    // The greatest line length in bytes (0 without lines).
    std::size_t longest() const { return longest_; }

    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;

        Iterator() = default;
        Iterator(std::string_view rest, std::size_t left) : rest_(rest), left_(left) {}
        std::string_view operator*() const { return rest_.substr(0, rest_.find('\n')); }
        Iterator& operator++();
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const Iterator& a, const Iterator& b) { return a.left_ == b.left_; }

    private:
        std::string_view rest_;
        std::size_t left_ = 0;  // lines not yet passed
    };

    Iterator begin() const { return {lines_, count_}; }
    Iterator end() const { return {}; }

private:
    std::string lines_;  // the lines joined by LF, which no line contains
    std::size_t count_ = 0;
    std::size_t longest_ = 0;
};

}  // namespace korvane
