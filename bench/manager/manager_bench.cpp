// The skin manager, each measure against a peer in the same run:
//   forms: 1,000 framework forms made, shown and destroyed while the manager
//     skins every one of them, against the same while it is switched off (its
//     hook still sees every window, nothing is skinned) (goal: at most 1.5x).
//     The two run in alternating rounds, so that the load of a shared machine
//     falls on both alike;
//   start-up: korvane.exe started until its main window shows its first
//     painted skinned frame, against the same program whose main window has
//     Tag 99 and keeps the system's frame.
//
// Usage: manager_bench SKIN_FILE   (a Windows program; bench/manager/run.sh runs it under Wine)

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "base/win32_text.h"
#include "framework/win/application.h"
#include "framework/win/form.h"
#include "skin/engine/skin_data.h"
#include "skin/engine/skin_manager.h"
#include "support/timing.h"

namespace korvane {
namespace {

// Milliseconds for `count` forms made, shown (their posted messages handled,
// the skin's first sizing among them) and destroyed.
double FormCycles(TApplication& application, int count) {
    const double start = NowMs();
    for (int i = 0; i < count; ++i) {
        auto* form = new TForm(&application);
        form->SetCaption("bench");
        form->Show();
        application.ProcessMessages();
        delete form;
    }
    return NowMs() - start;
}

// A program of the tool started, until its main window is shown and (when
// skinned) wears the skin and has painted; then closed. Milliseconds.
double StartUp(const char* unix_path, bool skinned) {
    std::wstring command = L"Z:" + widen(unix_path);
    std::replace(command.begin(), command.end(), L'/', L'\\');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = NowMs();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    struct Search {
        DWORD process;
        HWND found;
    } search{process.dwProcessId, nullptr};
    auto ready = [&] {
        search.found = nullptr;
        EnumWindows(
            [](HWND w, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p);
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                wchar_t name[32] = {};
                GetClassNameW(w, name, 32);
                if (owner == s->process && IsWindowVisible(w) && std::wstring(name) == L"TMainForm") s->found = w;
                return s->found == nullptr;
            },
            reinterpret_cast<LPARAM>(&search));
        if (!search.found) return false;
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        const bool shaped = GetWindowRgn(search.found, region) != ERROR;
        DeleteObject(region);
        return !skinned || shaped;
    };
    double elapsed = -1;
    for (int i = 0; i < 30000 && elapsed < 0; ++i) {
        if (ready()) {
            // Painted: the window's thread has handled everything before this message.
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &ignored);
            elapsed = NowMs() - start;
        } else {
            Sleep(1);
        }
    }
    if (search.found) PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

int Run(const std::string& skin_file) {
    const std::string bytes = read_file(skin_file);
    const std::vector<std::uint8_t> package(bytes.begin(), bytes.end());
    {
        TApplication application;
        application.Initialize();
        auto* data = new TSkinData(&application);
        if (!data->LoadFromPackage(package)) return 2;
        data->SetActive(true);  // makes the manager and switches skinning on
        FormCycles(application, 20);  // classes, fonts and caches made once
        constexpr int kRounds = 10, kFormsPerRound = 100;
        double ours = 0, peer = 0;
        for (int round = 0; round < kRounds; ++round) {
            SkinManager->SetEnabled(false);
            peer += FormCycles(application, kFormsPerRound);
            SkinManager->SetEnabled(true);
            ours += FormCycles(application, kFormsPerRound);
        }
        std::printf("forms: %d made, shown and destroyed: skinned by the manager %.0f ms, manager off %.0f ms, "
                    "ratio %.2f (goal <= 1.5)\n",
                    kRounds * kFormsPerRound, ours, peer, ours / peer);
    }

    std::vector<double> skinned, plain;
    for (int run = 0; run < 5; ++run) {
        skinned.push_back(StartUp(KORVANE_EXE, true));
        plain.push_back(StartUp(KORVANE_UNSKINNED_EXE, false));
    }
    if (*std::min_element(skinned.begin(), skinned.end()) < 0 || *std::min_element(plain.begin(), plain.end()) < 0) {
        std::printf("start-up: a program did not show its main window\n");
        return 1;
    }
    const double ours = Median(skinned), peer = Median(plain);
    std::printf("start-up of korvane.exe to its first painted frame (median of 5): skinned %.0f ms, "
                "main window unskinned %.0f ms, ratio %.2f\n",
                ours, peer, ours / peer);
    return 0;
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: manager_bench SKIN_FILE\n");
        return 2;
    }
    return korvane::Run(argv[1]);
}
