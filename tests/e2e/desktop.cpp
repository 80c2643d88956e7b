#include "desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace korvane::e2e {

namespace {

constexpr auto kPoll = 20ms;

struct EnumState {
    DWORD process;
    std::wstring_view window_class;
    std::vector<HWND> found;
};

bool class_matches(HWND window, std::wstring_view window_class) {
    if (window_class.empty()) return true;
    wchar_t name[256] = {};
    int n = GetClassNameW(window, name, int(std::size(name)));
    return std::wstring_view(name, std::size_t(n)) == window_class;
}

BOOL CALLBACK collect_top(HWND window, LPARAM data) {
    auto& state = *reinterpret_cast<EnumState*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == state.process && IsWindowVisible(window) && class_matches(window, state.window_class))
        state.found.push_back(window);
    return TRUE;
}

BOOL CALLBACK collect_child(HWND window, LPARAM data) {
    auto& state = *reinterpret_cast<EnumState*>(data);
    if (class_matches(window, state.window_class)) state.found.push_back(window);
    return TRUE;
}

}  // namespace

std::string window_text(HWND window) {
    wchar_t text[2048] = {};
    int n = GetWindowTextW(window, text, int(std::size(text)));
    return narrow(std::wstring_view(text, std::size_t(std::max(n, 0))));
}

std::string class_name(HWND window) {
    wchar_t name[256] = {};
    int n = GetClassNameW(window, name, int(std::size(name)));
    return narrow(std::wstring_view(name, std::size_t(std::max(n, 0))));
}

RECT window_rect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

SIZE client_size(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

std::vector<HWND> top_windows(DWORD process, std::wstring_view window_class) {
    EnumState state{process, window_class, {}};
    EnumWindows(collect_top, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

std::vector<HWND> child_windows(HWND parent, std::wstring_view window_class) {
    EnumState state{0, window_class, {}};
    EnumChildWindows(parent, collect_child, reinterpret_cast<LPARAM>(&state));
    std::stable_sort(state.found.begin(), state.found.end(), [](HWND a, HWND b) {
        RECT ra = window_rect(a), rb = window_rect(b);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return state.found;
}

std::string describe_windows(DWORD process) {
    std::string out;
    for (HWND w : top_windows(process)) {
        out += "  [" + class_name(w) + "] \"" + window_text(w) + "\"\n";
        for (HWND c : child_windows(w, {})) {
            std::string text = window_text(c);
            if (!text.empty()) out += "      [" + class_name(c) + "] \"" + text + "\"\n";
        }
    }
    return out.empty() ? "  (no visible windows)\n" : out;
}

HWND wait_for(DWORD process, const std::string& what, const std::function<HWND()>& find) {
    auto deadline = std::chrono::steady_clock::now() + kWaitLimit;
    do {
        if (HWND found = find()) return found;
        std::this_thread::sleep_for(kPoll);
    } while (std::chrono::steady_clock::now() < deadline);
    ADD_FAILURE() << "no " << what << " appeared; the tool shows:\n" << describe_windows(process);
    return nullptr;
}

HWND wait_for_top(DWORD process, std::wstring_view window_class, std::string_view caption) {
    std::string what = narrow(window_class) + " window \"" + std::string(caption) + "\"";
    return wait_for(process, what, [&]() -> HWND {
        for (HWND w : top_windows(process, window_class))
            if (window_text(w) == caption) return w;
        return nullptr;
    });
}

std::string text_when(HWND window, std::string_view expected) {
    auto deadline = std::chrono::steady_clock::now() + kWaitLimit;
    std::string text = window_text(window);
    while (text != expected && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kPoll);
        text = window_text(window);
    }
    return text;
}

bool wait_until(const std::function<bool()>& condition) {
    auto deadline = std::chrono::steady_clock::now() + kWaitLimit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

bool wait_until_closed(HWND window) {
    return wait_until([&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

void click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void type_key(WORD key) {
    INPUT input[2] = {};
    for (INPUT& i : input) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = key;
        i.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    // Let the program take the key before the next one comes.
    std::this_thread::sleep_for(200ms);
}

HWND focus_of(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

MessageBoxSeen read_message_box(HWND box) {
    MessageBoxSeen seen;
    seen.window = box;
    seen.caption = window_text(box);
    for (HWND s : child_windows(box, L"Static")) {
        std::string text = window_text(s);
        if (!text.empty()) seen.text += text;
    }
    std::vector<HWND> buttons = child_windows(box, L"Button");
    for (HWND b : buttons) seen.buttons.push_back(window_text(b));
    return seen;
}

void press(const MessageBoxSeen& box, std::string_view button) {
    for (HWND b : child_windows(box.window, L"Button")) {
        if (window_text(b) == button) {
            PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(b), BN_CLICKED), LPARAM(b));
            return;
        }
    }
    ADD_FAILURE() << "the box \"" << box.caption << "\" has no button " << button;
}

void choose_file(HWND dialog, const std::string& path) {
    // The explorer-style dialog keeps the name in a combo box (cmb13) with an
    // edit inside, older templates in an edit (edt1).
    HWND field = GetDlgItem(dialog, 0x47C);
    if (field) {
        if (HWND inner = FindWindowExW(field, nullptr, L"Edit", nullptr)) field = inner;
    } else {
        field = GetDlgItem(dialog, 0x480);
    }
    ASSERT_NE(field, nullptr) << "the file dialog has no file name field";
    std::wstring wide = widen(path);
    SendMessageW(field, WM_SETTEXT, 0, LPARAM(wide.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDOK)));
}

void cancel_dialog(HWND dialog) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDCANCEL)));
}

}  // namespace korvane::e2e
