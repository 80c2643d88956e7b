#include "screenshot.h"

#include "desktop.h"

namespace korvane::e2e {

namespace {

class ProcessHandles {
public:
    PROCESS_INFORMATION info{};
    ~ProcessHandles() {
        if (info.hThread) CloseHandle(info.hThread);
        if (info.hProcess) CloseHandle(info.hProcess);
    }
};

}  // namespace

bool save_screenshot(HWND window, const std::string& png_path) {
    RECT r{};
    if (!GetWindowRect(window, &r) || r.right <= r.left || r.bottom <= r.top) return false;
    std::string crop = std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "+" +
                       std::to_string(r.left) + "+" + std::to_string(r.top);
    std::wstring command =
        widen("/bin/sh -c \"xwd -root -silent | convert xwd:- -crop " + crop + " +repage '" + png_path + "'\"");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ProcessHandles process;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process.info))
        return false;
    if (WaitForSingleObject(process.info.hProcess, 30000) != WAIT_OBJECT_0) return false;
    DWORD code = 1;
    GetExitCodeProcess(process.info.hProcess, &code);
    return code == 0;
}

}  // namespace korvane::e2e
