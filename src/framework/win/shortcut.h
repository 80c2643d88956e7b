#pragma once
// Keyboard shortcuts of menu items: a virtual-key code in the low byte and
// the modifiers above it. A layout keeps a shortcut as this number
// ("ShortCut = 16463" is Ctrl+O).

#include <cstdint>
#include <string>

namespace korvane {

using TShortCut = std::uint16_t;
constexpr TShortCut scNone = 0, scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

constexpr TShortCut ShortCut(unsigned key, TShortCut modifiers) { return TShortCut((key & 0xFF) | modifiers); }

// The text a menu shows for a shortcut: modifiers in the order Shift, Ctrl,
// Alt, then the key ("Shift+Ctrl+S", "F5", "Del"); empty for scNone and for
// keys without a name.
std::string ShortCutToText(TShortCut shortcut);

}  // namespace korvane
