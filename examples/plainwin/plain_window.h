#pragma once
// A plain Win32 program's windows, written as any Win32 program is: a window
// class with its window procedure and a menu from the resources, a settings
// dialog from a resource template with the standard controls, and message
// boxes. Nothing here knows of the skinning engine except the two menu
// commands that put the skin on and take it off.

#include <windows.h>

#include <string>

namespace plainwin {

// What the settings dialog edits and the main window shows.
struct Settings {
    std::wstring name = L"Korvane";
    int colour = 0;  // index into kColours
    bool status_line = true;
    bool large = false;
    int level = 5;  // 0 .. 10
};

inline constexpr const wchar_t* kColours[] = {L"Indigo", L"Night", L"Silver"};
inline constexpr const wchar_t* kTitle = L"A plain Win32 program";

// Registers the window class (once) and makes the main window with its menu
// and its controls, shown as `show` says; null when it cannot be made.
HWND CreateMainWindow(HINSTANCE instance, int show);
// The settings the main window holds.
const Settings& MainWindowSettings(HWND main_window);
// The line the main window shows for its settings.
std::wstring SettingsSummary(const Settings& settings);
// The modal settings dialog over the owner; IDOK when the user confirmed it,
// and then `settings` holds what was chosen.
INT_PTR RunSettingsDialog(HWND owner, Settings& settings);

}  // namespace plainwin
