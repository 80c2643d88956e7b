#pragma once
// The tool's own message boxes, with fixed captions: "Warning" (warning
// icon, OK) and "Confirm" (question icon, Yes and No). They are the system's
// standard dialogs, so their texts can be read by anything that looks at the
// screen, as for every other window of the tool.

#include <string>

namespace korvane {

void ShowWarning(const std::string& text);

// True when the user answers Yes.
bool Confirm(const std::string& text);

}  // namespace korvane
