#pragma once
// Arrow glyphs shared by scroll bars, spin buttons and the combo box.

#include <string_view>

namespace korvane::skingen::glyphs {

constexpr std::string_view kArrowUp[] = {
    "...#...",
    "..###..",
    ".#####.",
    "#######",
};
constexpr std::string_view kArrowDown[] = {
    "#######",
    ".#####.",
    "..###..",
    "...#...",
};
constexpr std::string_view kArrowLeft[] = {
    "...#",
    "..##",
    ".###",
    "####",
    ".###",
    "..##",
    "...#",
};
constexpr std::string_view kArrowRight[] = {
    "#...",
    "##..",
    "###.",
    "####",
    "###.",
    "##..",
    "#...",
};

}  // namespace korvane::skingen::glyphs
