#pragma once
// Looking at and steering another process's windows through window messages
// only: finding them by class and caption, reading texts, clicking buttons,
// filling the common file dialogs and answering message boxes.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/win32_text.h"

namespace korvane::e2e {

using namespace std::chrono_literals;
inline constexpr std::chrono::milliseconds kWaitLimit = 20s;

// Read without a message, from the window manager's copy, so it works while
// the window's thread is busy.
std::string window_text(HWND window);
std::string class_name(HWND window);
RECT window_rect(HWND window);
SIZE client_size(HWND window);

// Visible top-level windows of a process, optionally of one class.
std::vector<HWND> top_windows(DWORD process, std::wstring_view window_class = {});
// Direct and nested child windows of a class, top to bottom, then left to right.
std::vector<HWND> child_windows(HWND parent, std::wstring_view window_class);

// Waits until find() gives a window; fails the running test with a list of
// the process's windows when it does not come within kWaitLimit.
HWND wait_for(DWORD process, const std::string& what, const std::function<HWND()>& find);
HWND wait_for_top(DWORD process, std::wstring_view window_class, std::string_view caption);
// The window's text once it reads `expected`, or the last text seen when it
// does not within kWaitLimit: for texts set after a modal window closed.
std::string text_when(HWND window, std::string_view expected);
// Waits until condition() holds; false when it does not within kWaitLimit.
bool wait_until(const std::function<bool()>& condition);
// Waits until the window is gone; false when it stays.
bool wait_until_closed(HWND window);
// What the process shows now, for failure messages.
std::string describe_windows(DWORD process);

// A click as the user's would come: posted, so a handler that opens a modal
// window does not block the driver.
void click(HWND button);

// A message box as the user sees it.
struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;  // left to right
};
MessageBoxSeen read_message_box(HWND box);
// Presses the button of that caption ("&Yes", "&No", "OK").
void press(const MessageBoxSeen& box, std::string_view button);

// Types a path into a common file dialog and confirms it.
void choose_file(HWND dialog, const std::string& path);
void cancel_dialog(HWND dialog);

}  // namespace korvane::e2e
