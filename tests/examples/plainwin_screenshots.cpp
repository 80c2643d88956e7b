// Pictures of the plain Win32 program for the documentation: its main window,
// and the main window with its settings dialog open, both wearing the skin.
// Each is read from the screen with a margin of the desk behind it.
//
// Usage: plainwin_screenshots OUTPUT_DIR SKIN_FILE   (writes BMP files; see
// scripts/screenshots.sh plainwin, which turns them into docs/images/*.png)

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "base/win32_text.h"
#include "framework/win/bitmap.h"
#include "plain_window.h"
#include "resource.h"
#include "skin/api/skinning.h"
#include "skin/engine/win_skin_form.h"
#include "support/screenshots.h"

namespace {

std::string output_dir;
HWND main_window = nullptr;

void Settle(int rounds = 30) { korvane::screenshots::Settle(rounds); }

// The screen under the rectangle with a margin of the desk, as a BMP file.
void Save(RECT r, const std::string& name) { korvane::screenshots::Save(r, output_dir + "/" + name, 12); }

RECT BoundsOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// Inside the dialog's modal loop: once it is shown and skinned, the picture
// of both windows, then the dialog closes.
void CALLBACK ShootDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = GetLastActivePopup(main_window);
    if (!dialog || dialog == main_window || SendMessageW(dialog, korvane::WM_SKINQUERY, 0, 0) != 1) return;
    KillTimer(nullptr, timer);
    const RECT owner = BoundsOf(main_window);
    SetWindowPos(dialog, HWND_TOP, owner.left + 150, owner.top + 110, 0, 0, SWP_NOSIZE);
    Settle();
    // Moved, it is painted whole once more before the picture.
    RedrawWindow(dialog, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    RECT both = BoundsOf(main_window);
    const RECT over = BoundsOf(dialog);
    UnionRect(&both, &both, &over);
    Save(both, "plainwin-dialog.bmp");
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count < 3) return 2;
    output_dir = korvane::narrow(args[1]);
    const korvane::SkinningStatus skin = korvane::EnableSkinning(args[2]);
    LocalFree(args);
    if (!skin) return 1;
    main_window = plainwin::CreateMainWindow(instance, SW_SHOW);
    if (!main_window) return 1;
    SetWindowPos(main_window, HWND_TOP, 60, 60, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(main_window);
    Settle();
    Save(BoundsOf(main_window), "plainwin-main.bmp");
    SetTimer(nullptr, 0, 50, ShootDialog);
    SendMessageW(main_window, WM_COMMAND, IDM_SETTINGS, 0);
    DestroyWindow(main_window);
    Settle(5);
    korvane::DisableSkinning();
    return 0;
}
