#pragma once
// Small text helpers. Texts are byte strings (UTF-8 in the interface, raw
// code page 936 bytes in converted files); case folding touches ASCII only.

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

std::string ascii_lower(std::string_view s);
bool equals_ignore_case(std::string_view a, std::string_view b);
// Negative, 0 or positive as a sorts before, with or after b, bytes compared
// with ASCII letters in lower case.
int compare_ignore_case(std::string_view a, std::string_view b);
bool ends_with_ignore_case(std::string_view s, std::string_view suffix);
std::string_view trim(std::string_view s);
// Splits at every occurrence of sep; an empty input gives one empty field.
std::vector<std::string_view> split(std::string_view s, char sep);

// A name from outside made safe to print on a terminal: control bytes
// (0x00-0x1F, 0x7F, and the C1 controls U+0080-U+009F as UTF-8 writes them)
// become \xHH; every other byte stays as it is.
std::string printable(std::string_view name);

// printf-style formatting for message templates such as "I/O error %d".
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace korvane
