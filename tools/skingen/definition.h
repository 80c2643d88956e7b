#pragma once
// The skin definition of the default skin: the INI text that names the
// bitmaps and tells the engine how to slice and colour them.

#include <string>

namespace korvane::skingen {

constexpr const char* kDefinitionName = "skin.ini";

std::string default_skin_definition();

}  // namespace korvane::skingen
