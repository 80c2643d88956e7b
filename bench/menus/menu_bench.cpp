// The skinned menu bar against Wine's own, measured in the same run: the time
// from a press on the first bar entry to the end of the first paint of its
// drop-down (ten items), on a skinned window whose drop-down is drawn by the
// skin, and on the same window unskinned with the system's menu bar.
//
// Usage: menu_bench SKIN_FILE   (a Windows program; bench/menus/run.sh runs it under Wine)

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "skin/engine/popup_menu.h"
#include "skin/engine/skin_data.h"
#include "skin/engine/win_skin_form.h"

namespace korvane {
namespace {

TSkinData* popup_skin = nullptr;  // null: popup menus stay the system's
std::vector<std::unique_ptr<TWinSkinPopMenu>> popups;
LARGE_INTEGER painted{};

// As the manager does: every popup menu window gets its skin when it is made.
LRESULT CALLBACK CreationHook(int code, WPARAM wparam, LPARAM lparam) {
    HWND window = reinterpret_cast<HWND>(wparam);
    wchar_t name[16] = {};
    if (code == HCBT_CREATEWND && popup_skin && GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32768") == 0) {
        popups.push_back(std::make_unique<TWinSkinPopMenu>());
        popups.back()->Attach(window, *popup_skin, nullptr);
    }
    if (code == HCBT_DESTROYWND) std::erase_if(popups, [window](const auto& p) { return p->Window == window; });
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

// The end of the drop-down's first paint ends the measurement and the menu.
LRESULT CALLBACK PaintHook(int code, WPARAM wparam, LPARAM lparam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lparam);
    wchar_t name[16] = {};
    if (code == HC_ACTION && call->message == WM_PAINT && painted.QuadPart == 0 &&
        GetClassNameW(call->hwnd, name, 16) && lstrcmpW(name, L"#32768") == 0) {
        QueryPerformanceCounter(&painted);
        EndMenu();
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

HWND MenuWindow(const wchar_t* title, int x) {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = L"KorvaneMenuBench";
        return RegisterClassW(&wc);
    }();
    HMENU file = CreatePopupMenu();
    for (int i = 0; i < 10; ++i) {
        const std::wstring text = L"Item &" + std::to_wstring(i) + L"\tCtrl+" + std::to_wstring(i);
        AppendMenuW(file, MF_STRING, UINT_PTR(100 + i), text.c_str());
    }
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, UINT_PTR(file), L"&File");
    AppendMenuW(bar, MF_STRING, 200, L"&Help");
    HWND window = CreateWindowExW(0, MAKEINTATOM(atom), title, WS_OVERLAPPEDWINDOW, x, 40, 500, 400, nullptr, bar,
                                  GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Milliseconds from the press to the painted drop-down.
double OpenOnce(HWND window, POINT entry, WPARAM hit, TSkinData* skin) {
    popup_skin = skin;
    SetForegroundWindow(window);
    Pump();
    painted.QuadPart = 0;
    LARGE_INTEGER start, frequency;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    PostMessageW(window, WM_NCLBUTTONDOWN, hit, MAKELPARAM(entry.x, entry.y));
    const DWORD end = GetTickCount() + 5000;
    while (painted.QuadPart == 0 && GetTickCount() < end) {
        Pump();
        Sleep(0);
    }
    Pump();
    if (painted.QuadPart == 0) return -1;
    return double(painted.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

int Run(const std::string& skin_file) {
    const std::string bytes = read_file(skin_file);
    TSkinData skin(nullptr);
    if (!skin.LoadFromPackage(std::vector<std::uint8_t>(bytes.begin(), bytes.end()))) return 2;
    UniqueHook creation(SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId()));
    UniqueHook paint(SetWindowsHookExW(WH_CALLWNDPROCRET, PaintHook, nullptr, GetCurrentThreadId()));

    HWND plain = MenuWindow(L"Unskinned window of the menu bench", 20);
    HWND skinned = MenuWindow(L"Skinned window of the menu bench", 560);
    auto* form = new TWinSkinForm(skinned);
    form->SkinWindow(skin);
    SendMessageW(skinned, WM_SKINSTART, 0, 1000);
    Pump();

    RECT plain_entry{}, window{};
    GetMenuItemRect(plain, GetMenu(plain), 0, &plain_entry);
    GetWindowRect(skinned, &window);
    const Rect& b = form->MenuBar->Items[0]->BoundsRect;
    const POINT skinned_point{window.left + b.left + 5, window.top + b.top + 5};
    const POINT plain_point{(plain_entry.left + plain_entry.right) / 2, (plain_entry.top + plain_entry.bottom) / 2};

    // The two take turns; the median of each.
    constexpr int kRounds = 21;
    std::vector<double> skinned_ms, plain_ms;
    for (int round = 0; round < kRounds; ++round) {
        skinned_ms.push_back(OpenOnce(skinned, skinned_point, HTMENU, &skin));
        plain_ms.push_back(OpenOnce(plain, plain_point, HTMENU, nullptr));
    }
    if (std::count(skinned_ms.begin(), skinned_ms.end(), -1.0) || std::count(plain_ms.begin(), plain_ms.end(), -1.0)) {
        std::printf("a drop-down did not open within 5 s\n");
        return 1;
    }
    std::sort(skinned_ms.begin(), skinned_ms.end());
    std::sort(plain_ms.begin(), plain_ms.end());
    const double s = skinned_ms[kRounds / 2], p = plain_ms[kRounds / 2];
    std::printf("press on a bar entry to painted drop-down (10 items), median of %d:\n", kRounds);
    std::printf("  skinned bar and drop-down  %8.2f ms\n", s);
    std::printf("  Wine's own menu bar        %8.2f ms\n", p);
    std::printf("  ratio skinned / Wine       %8.2fx\n", s / p);
    form->Release();
    DestroyWindow(skinned);
    DestroyWindow(plain);
    return 0;
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    return korvane::Run(argv[1]);
}
