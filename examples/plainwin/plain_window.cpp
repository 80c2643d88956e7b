#include "plain_window.h"

#include <commctrl.h>

#include <memory>

#include "resource.h"
#include "skin/api/skinning.h"

namespace plainwin {
namespace {

constexpr const wchar_t* kClassName = L"KorvanePlainProgram";

// The main window's own data, kept in its user data.
struct MainWindow {
    Settings settings;
    HWND summary = nullptr;
};

MainWindow* DataOf(HWND window) { return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

HWND Child(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style, int x, int y, int w, int h,
           int id) {
    HWND child = CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                 reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return child;
}

void ShowSummary(HWND window) {
    const MainWindow& data = *DataOf(window);
    SetWindowTextW(data.summary, SettingsSummary(data.settings).c_str());
}

void WearSkin(HWND window) {
    const korvane::SkinningStatus skin = korvane::EnableSkinningFromResource(L"SKIN");
    if (!skin) MessageBoxW(window, skin.error.c_str(), kTitle, MB_OK | MB_ICONWARNING);
}

void Command(HWND window, int id) {
    switch (id) {
    case IDM_SETTINGS:
    case IDC_OPEN_SETTINGS:
        if (RunSettingsDialog(window, DataOf(window)->settings) == IDOK) ShowSummary(window);
        break;
    case IDM_SKIN_ON: WearSkin(window); break;
    case IDM_SKIN_OFF: korvane::DisableSkinning(); break;
    case IDM_ABOUT:
        MessageBoxW(window, L"A plain Win32 program that wears Korvane's skin.", kTitle, MB_OK | MB_ICONINFORMATION);
        break;
    case IDM_EXIT: DestroyWindow(window); break;
    }
}

LRESULT CALLBACK MainProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
    case WM_CREATE: {
        auto* data = new MainWindow;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
        Child(window, L"STATIC", L"This window, its menu and its dialog are plain Win32.", SS_LEFT, 16, 16, 360, 20,
              -1);
        data->summary = Child(window, L"STATIC", L"", SS_LEFT, 16, 44, 360, 20, IDC_SUMMARY);
        Child(window, L"BUTTON", L"&Settings...", BS_PUSHBUTTON | WS_TABSTOP, 16, 76, 110, 28, IDC_OPEN_SETTINGS);
        ShowSummary(window);
        return 0;
    }
    case WM_INITMENUPOPUP: {
        const bool on = korvane::SkinningEnabled();
        auto menu = reinterpret_cast<HMENU>(wparam);
        EnableMenuItem(menu, IDM_SKIN_ON, MF_BYCOMMAND | (on ? MF_GRAYED : MF_ENABLED));
        EnableMenuItem(menu, IDM_SKIN_OFF, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
        return 0;
    }
    case WM_COMMAND: Command(window, LOWORD(wparam)); return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        delete DataOf(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcW(window, msg, wparam, lparam);
}

// ---- The settings dialog

void FillDialog(HWND dialog, const Settings& settings) {
    SetDlgItemTextW(dialog, IDC_NAME, settings.name.c_str());
    HWND colours = GetDlgItem(dialog, IDC_COLOUR);
    for (const wchar_t* colour : kColours) SendMessageW(colours, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(colour));
    SendMessageW(colours, CB_SETCURSEL, WPARAM(settings.colour), 0);
    CheckDlgButton(dialog, IDC_STATUS_LINE, settings.status_line ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(dialog, IDC_SMALL, IDC_LARGE, settings.large ? IDC_LARGE : IDC_SMALL);
    HWND recent = GetDlgItem(dialog, IDC_RECENT);
    for (const wchar_t* item : {L"notes.txt", L"letter.txt", L"poem.txt", L"list.txt", L"todo.txt", L"plan.txt",
                                L"draft.txt", L"memo.txt"})
        SendMessageW(recent, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(recent, LB_SETCURSEL, 0, 0);
    HWND level = GetDlgItem(dialog, IDC_LEVEL);
    SendMessageW(level, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
    SendMessageW(level, TBM_SETPOS, TRUE, settings.level);
    SCROLLINFO zoom{sizeof(zoom), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 30, 0};
    SetScrollInfo(GetDlgItem(dialog, IDC_ZOOM), SB_CTL, &zoom, FALSE);
    SendMessageW(GetDlgItem(dialog, IDC_PROGRESS), PBM_SETPOS, WPARAM(settings.level * 10), 0);
    HWND pages = GetDlgItem(dialog, IDC_PAGES);
    int index = 0;
    for (const wchar_t* page : {L"General", L"Display", L"Advanced"}) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(page);
        SendMessageW(pages, TCM_INSERTITEMW, WPARAM(index++), reinterpret_cast<LPARAM>(&item));
    }
}

Settings ReadDialog(HWND dialog) {
    Settings settings;
    wchar_t name[256] = {};
    GetDlgItemTextW(dialog, IDC_NAME, name, 256);
    settings.name = name;
    settings.colour = int(SendDlgItemMessageW(dialog, IDC_COLOUR, CB_GETCURSEL, 0, 0));
    if (settings.colour < 0) settings.colour = 0;
    settings.status_line = IsDlgButtonChecked(dialog, IDC_STATUS_LINE) == BST_CHECKED;
    settings.large = IsDlgButtonChecked(dialog, IDC_LARGE) == BST_CHECKED;
    settings.level = int(SendDlgItemMessageW(dialog, IDC_LEVEL, TBM_GETPOS, 0, 0));
    return settings;
}

// The zoom bar moves as its arrows, its track and its thumb ask.
void Scroll(HWND bar, int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(bar, SB_CTL, &info);
    const int last = info.nMax - int(info.nPage) + 1;
    int pos = info.nPos;
    switch (request) {
    case SB_LINELEFT: pos -= 1; break;
    case SB_LINERIGHT: pos += 1; break;
    case SB_PAGELEFT: pos -= int(info.nPage); break;
    case SB_PAGERIGHT: pos += int(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    case SB_LEFT: pos = info.nMin; break;
    case SB_RIGHT: pos = last; break;
    }
    info.fMask = SIF_POS;
    info.nPos = pos < info.nMin ? info.nMin : pos > last ? last : pos;
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

INT_PTR CALLBACK SettingsProcedure(HWND dialog, UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lparam);
        FillDialog(dialog, *reinterpret_cast<const Settings*>(lparam));
        return TRUE;
    case WM_HSCROLL: {
        auto source = reinterpret_cast<HWND>(lparam);
        if (source == GetDlgItem(dialog, IDC_ZOOM)) Scroll(source, LOWORD(wparam));
        if (source == GetDlgItem(dialog, IDC_LEVEL)) {
            const auto level = SendMessageW(source, TBM_GETPOS, 0, 0);
            SendDlgItemMessageW(dialog, IDC_PROGRESS, PBM_SETPOS, WPARAM(level * 10), 0);
        }
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IDOK:
            *reinterpret_cast<Settings*>(GetWindowLongPtrW(dialog, DWLP_USER)) = ReadDialog(dialog);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance, int show) {
    static const bool ready = [instance] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = MainProcedure;
        wc.hInstance = instance;
        wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        wc.hIconSm = LoadIconW(nullptr, IDI_APPLICATION);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc) != 0;
    }();
    if (!ready) return nullptr;
    HWND window = CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 80, 80, 420, 260,
                                  nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    ShowWindow(window, show);
    UpdateWindow(window);
    return window;
}

const Settings& MainWindowSettings(HWND main_window) { return DataOf(main_window)->settings; }

std::wstring SettingsSummary(const Settings& settings) {
    return L"Name: " + settings.name + L", colour: " + kColours[settings.colour] + L", level " +
           std::to_wstring(settings.level) + (settings.large ? L", large" : L", small") +
           (settings.status_line ? L", with status line" : L"");
}

INT_PTR RunSettingsDialog(HWND owner, Settings& settings) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SETTINGS), owner, SettingsProcedure,
                           reinterpret_cast<LPARAM>(&settings));
}

}  // namespace plainwin
