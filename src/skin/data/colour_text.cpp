#include "skin/data/colour_text.h"

#include <array>
#include <cstdint>

#include "base/strings.h"

namespace korvane {

namespace {

std::uint32_t ComponentValue(std::string_view digits) {
    std::uint64_t value = 0;
    for (char c : digits) {
        value = value * 10 + std::uint64_t(c - '0');
        if (value > INT32_MAX) return 0;
    }
    return std::uint32_t(value) & 0xFF;
}

}  // namespace

Color ParseColourText(std::string_view text, Color fallback) {
    if (text.empty()) return fallback;
    text = trim(text);
    std::array<std::uint32_t, 3> components{};
    std::size_t separators = 0;
    std::size_t digits_start = 0;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            if (digits++ == 0) digits_start = i;
            continue;
        }
        if (digits > 0 && separators < components.size())
            components[separators] = ComponentValue(text.substr(digits_start, digits));
        digits = 0;
        ++separators;
    }
    if (digits > 0 && separators == 2)
        components[2] = ComponentValue(text.substr(digits_start, digits));
    return rgb(std::uint8_t(components[0]), std::uint8_t(components[1]),
               std::uint8_t(components[2]));
}

}  // namespace korvane
