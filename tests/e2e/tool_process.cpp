#include "tool_process.h"

#include <gtest/gtest.h>

#include "desktop.h"

namespace korvane::e2e {

std::wstring wine_path(const char* unix_path) {
    std::wstring path = L"Z:" + widen(unix_path);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

ToolProcess::ToolProcess(const std::wstring& program, const std::filesystem::path& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.wstring().c_str(), &startup, &info_)) {
        ADD_FAILURE() << "cannot start " << narrow(program) << ": error " << GetLastError();
        info_ = {};
    }
}

ToolProcess::~ToolProcess() {
    if (!started()) return;
    if (wait_for_exit(0) == STILL_ACTIVE) {
        for (HWND w : top_windows(id(), L"TMainForm")) PostMessageW(w, WM_CLOSE, 0, 0);
        if (wait_for_exit(10000) == STILL_ACTIVE) {
            ADD_FAILURE() << "the tool did not end when its main window was closed; it shows:\n"
                          << describe_windows(id());
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 10000);
        }
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND ToolProcess::main_window() {
    if (!main_ && started())
        main_ = wait_for(id(), "main window", [&]() -> HWND {
            auto found = top_windows(id(), L"TMainForm");
            return found.empty() ? nullptr : found.front();
        });
    return main_;
}

DWORD ToolProcess::wait_for_exit(DWORD milliseconds) {
    WaitForSingleObject(info_.hProcess, milliseconds);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

}  // namespace korvane::e2e
