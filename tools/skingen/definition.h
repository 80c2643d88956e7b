#pragma once
// The skin definition: the INI text that names the bitmaps and tells the
// engine how to slice and colour them, in the colours of a theme.

#include <string>

#include "palette.h"

namespace korvane::skingen {

constexpr const char* kDefinitionName = "skin.ini";

std::string skin_definition(Theme theme);

}  // namespace korvane::skingen
