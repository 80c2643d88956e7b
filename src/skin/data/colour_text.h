#pragma once
// Colour text: red, green and blue as decimal numbers separated by single
// blanks or commas ("59 97 131", "255,128,0").
//
// Every character that is not a digit closes a number and counts as one
// separator, so "10, 20, 30" gives RGB(10,0,20). A number still open at the
// end counts only as the third component: "10,20" gives RGB(10,0,0). Missing
// components are 0, a component too large for 32 bits is 0, and each keeps
// its low 8 bits.

#include <string_view>

#include "base/color.h"

namespace korvane {

// An empty text gives fallback.
Color ParseColourText(std::string_view text, Color fallback);

}  // namespace korvane
