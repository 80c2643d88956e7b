#include "framework/win/shortcut.h"

#include <string_view>

namespace korvane {

namespace {

// Names of the keys that are not a letter, a digit or a function key, by
// virtual-key code.
std::string_view special_key_name(unsigned key) {
    switch (key) {
    case 0x08: return "BkSp";
    case 0x09: return "Tab";
    case 0x0D: return "Enter";
    case 0x1B: return "Esc";
    case 0x20: return "Space";
    case 0x21: return "PgUp";
    case 0x22: return "PgDn";
    case 0x23: return "End";
    case 0x24: return "Home";
    case 0x25: return "Left";
    case 0x26: return "Up";
    case 0x27: return "Right";
    case 0x28: return "Down";
    case 0x2D: return "Ins";
    case 0x2E: return "Del";
    default: return {};
    }
}

std::string key_name(unsigned key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
    if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x70 + 1);  // F1 .. F24
    return std::string(special_key_name(key));
}

}  // namespace

std::string ShortCutToText(TShortCut shortcut) {
    std::string key = key_name(shortcut & 0xFF);
    if (key.empty()) return {};
    std::string text;
    if (shortcut & scShift) text += "Shift+";
    if (shortcut & scCtrl) text += "Ctrl+";
    if (shortcut & scAlt) text += "Alt+";
    return text + key;
}

}  // namespace korvane
