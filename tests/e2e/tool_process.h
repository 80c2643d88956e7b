#pragma once
// The real korvane.exe, started in a folder of its own and ended with its test.

#include <windows.h>

#include <filesystem>
#include <string>

namespace korvane::e2e {

// A Unix path of the build as Wine's Z: drive shows it.
std::wstring wine_path(const char* unix_path);

class ToolProcess {
public:
    // Starts the program with `folder` as its current directory.
    ToolProcess(const std::wstring& program, const std::filesystem::path& folder);
    // Closes the main window and waits for the end; kills the process when it stays.
    ~ToolProcess();
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    bool started() const { return info_.hProcess != nullptr; }
    // The main window once it is shown; null (and a test failure) when it never is.
    HWND main_window();
    // Waits for the process to end by itself; its exit code, or STILL_ACTIVE.
    DWORD wait_for_exit(DWORD milliseconds);

private:
    PROCESS_INFORMATION info_{};
    HWND main_ = nullptr;
};

}  // namespace korvane::e2e
