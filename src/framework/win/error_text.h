#pragma once
// The text of the application's standard error box.

#include <string>

namespace korvane {

// The failure's message, with a full stop added when it is not empty and its
// last character sorts after the full stop ("Disk full" -> "Disk full.",
// "Done!" and "a." stay as they are). Bytes compare unsigned, so a text
// ending in a multi-byte character gets the stop as well.
std::string error_box_text(std::string message);

}  // namespace korvane
