#include "screenshot.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include "desktop.h"
#include "tool_process.h"

namespace korvane::e2e {

bool save_screenshot(HWND window, const std::string& png_path) {
    RECT r{};
    if (!GetWindowRect(window, &r) || r.right <= r.left || r.bottom <= r.top) return false;
    std::string crop = std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "+" +
                       std::to_string(r.left) + "+" + std::to_string(r.top);
    // Wine gives no handle to wait on for a Unix process: the picture is
    // written under a temporary name and renamed when complete.
    std::string partial = png_path + ".part.png";
    std::wstring command = widen("/bin/sh -c \"xwd -root -silent | convert xwd:- -crop " + crop + " +repage '" +
                                 partial + "' && mv '" + partial + "' '" + png_path + "'\"");
    std::filesystem::path done(wine_path(png_path.c_str()));
    std::error_code ignored;
    std::filesystem::remove(done, ignored);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!std::filesystem::exists(done, ignored)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

}  // namespace korvane::e2e
