// plainwin.exe: a plain Win32 program that wears Korvane's skin.
//   plainwin.exe [FILE.skn]
// Without a file it wears the skin it carries as a resource.

#include <windows.h>
#include <shellapi.h>

#include "plain_window.h"
#include "skin/api/skinning.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    const korvane::SkinningStatus skin =
        args && count > 1 ? korvane::EnableSkinning(args[1]) : korvane::EnableSkinningFromResource(L"SKIN");
    LocalFree(args);
    if (!skin) MessageBoxW(nullptr, skin.error.c_str(), plainwin::kTitle, MB_OK | MB_ICONWARNING);

    if (!plainwin::CreateMainWindow(instance, show)) {
        korvane::DisableSkinning();
        return 1;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    korvane::DisableSkinning();
    return int(msg.wParam);
}
