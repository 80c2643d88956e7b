#pragma once
// Shared pieces of the Windows framework tests: an application per test,
// and a helper thread that plays the user while the test thread sits in a
// modal loop (a dialog or message box).

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "framework/win/application.h"
#include "base/win32_text.h"

namespace korvane::testing {

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_ = std::make_unique<TApplication>();
        app_->Initialize();
        app_->SetTitle("Framework Test");
    }
    void TearDown() override {
        app_.reset();
        // A WM_QUIT left by Terminate would end the next test's modal loops.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    // Handles messages until done() or two seconds have passed.
    static void PumpUntil(const std::function<bool()>& done) {
        auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!done() && std::chrono::steady_clock::now() < end) {
            Application->ProcessMessages();
            Sleep(5);
        }
    }
    static void Pump() {
        for (int i = 0; i < 5; ++i) {
            Application->ProcessMessages();
            Sleep(10);
        }
    }

    std::unique_ptr<TApplication> app_;
};

inline std::wstring ClassNameOf(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

inline std::string TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return narrow(text);
}

// A visible top-level window of `thread` for which match() holds, waited
// for up to ten seconds; null when none came.
inline HWND WaitForWindow(DWORD thread, const std::function<bool(HWND)>& match) {
    struct Search {
        const std::function<bool(HWND)>* match;
        HWND found;
    };
    for (int i = 0; i < 1000; ++i) {
        Search s{&match, nullptr};
        EnumThreadWindows(
            thread,
            [](HWND w, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p);
                if (IsWindowVisible(w) && (*s->match)(w)) {
                    s->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&s));
        if (s.found) return s.found;
        Sleep(10);
    }
    return nullptr;
}

inline std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> out;
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM p) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&out));
    return out;
}

// Live GDI objects of the process: the system's count where it keeps one
// (Windows). Wine reports 0 there, but it accepts a handle's low word alone,
// so there its live objects are counted by trying every low word.
inline int LiveGdiObjects() {
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return int(n);
    int n = 0;
    for (UINT_PTR h = 1; h < 0x10000; ++h)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(h))) ++n;
    return n;
}

inline int WindowCountOfThread() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            *reinterpret_cast<int*>(p) += 1 + int(ChildrenOf(w).size());
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Runs `script` on its own thread; joined when the driver goes.
class UserDriver {
public:
    explicit UserDriver(std::function<void(DWORD ui_thread)> script)
        : thread_([script = std::move(script), ui = GetCurrentThreadId()] { script(ui); }) {}
    ~UserDriver() { thread_.join(); }

private:
    std::thread thread_;
};

}  // namespace korvane::testing
