#pragma once
// The skinning engine for any Win32 program. One call puts a skin package on
// every window of the calling thread: top-level windows and dialogs (message
// boxes and the common dialogs included) get the skin's frame and title bar,
// their menu bars and popup menus the skin's menus, and their standard
// controls the skin's buttons, check boxes, edits, combo boxes and tabs.
// Windows that exist already wear it at once, later ones as they are first
// activated. One call takes it all off again.
//
//   #include "skin/api/skinning.h"        // link korvane_skin
//
//   const korvane::SkinningStatus skin = korvane::EnableSkinning(L"night.skn");
//   if (!skin) MessageBoxW(nullptr, skin.error.c_str(), L"Skin", MB_ICONWARNING);
//   ... windows and the message loop, as ever ...
//   korvane::DisableSkinning();          // before WinMain returns
//
// Both run on the thread that owns the windows: the engine watches that
// thread's windows only. Nothing else is needed: what the engine runs on
// (the framework's application object, the control skinning) is set up
// behind the first call and goes with DisableSkinning.

#include <windows.h>

#include <string>
#include <string_view>

namespace korvane {

// The answer of EnableSkinning: true when the skin is on; otherwise the
// reason, for the user, and the windows keep the look they had.
struct SkinningStatus {
    std::wstring error;
    explicit operator bool() const { return error.empty(); }
};

// Reads the skin package (.skn) at the path and puts it on. Called while a
// skin is on, it switches every window to the new one; a package that cannot
// be read or is refused leaves the skin that was on (or none).
[[nodiscard]] SkinningStatus EnableSkinning(std::wstring_view skin_file);
// The same with a package that travels in the program as a resource (an
// RCDATA resource unless another type is given).
[[nodiscard]] SkinningStatus EnableSkinningFromResource(const wchar_t* name, const wchar_t* type = RT_RCDATA);
// Every window gets its own frame, menus and controls back, repainted at
// once, and what EnableSkinning set up is freed. Nothing when no skin is on.
void DisableSkinning();
bool SkinningEnabled();

}  // namespace korvane
