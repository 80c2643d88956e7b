#include "framework/win/application.h"

#include <shellapi.h>

#include <filesystem>
#include <memory>

#include "base/error.h"
#include "framework/win/error_text.h"
#include "framework/win/registration.h"
#include "framework/win/task_windows.h"
#include "base/win32_text.h"
#include "framework/win/window_class.h"

namespace korvane {

TApplication* Application = nullptr;

namespace {

std::filesystem::path program_path() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(std::wstring(path, n));
}

std::string program_name() { return narrow(program_path().stem().wstring()); }

LRESULT CALLBACK application_window_proc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, msg, wparam, lparam);
}

TShortCut pressed_modifiers() {
    TShortCut modifiers = scNone;
    if (GetKeyState(VK_SHIFT) < 0) modifiers |= scShift;
    if (GetKeyState(VK_CONTROL) < 0) modifiers |= scCtrl;
    if (GetKeyState(VK_MENU) < 0) modifiers |= scAlt;
    return modifiers;
}

}  // namespace

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), screen_(std::make_unique<TScreen>()), title_(program_name()) {
    if (Application) throw Error("There is already an application");
    Application = this;
    RegisterFrameworkClasses();
}

TApplication::~TApplication() {
    // The forms go first, while the application's window still owns theirs.
    DestroyComponents();
    window_.reset();
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
    if (window_.get()) return;
    RegisterFrameworkClass(std::wstring(L"TApplication"), nullptr, 0, application_window_proc);
    HWND window = CreateWindowExW(0, L"TApplication", widen(title_).c_str(),
                                  WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0,
                                  0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) throw Error("Error creating window TApplication");
    window_.reset(window);
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (window_.get()) SetWindowTextW(window_.get(), widen(title).c_str());
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == main_form_) main_form_ = nullptr;
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    // Menu shortcuts go to the form's menus, whichever control has the focus.
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && Screen) {
        TCustomForm* form = Screen->FindForm(GetAncestor(msg.hwnd, GA_ROOT));
        if (form && form->IsShortCut(ShortCut(unsigned(msg.wParam), pressed_modifiers()))) return true;
    }
    // Tab moves between the controls of a form; Return and Escape go to its buttons.
    if (msg.message == WM_KEYDOWN && Screen &&
        (msg.wParam == VK_TAB || msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
        TCustomForm* form = Screen->FindForm(GetAncestor(msg.hwnd, GA_ROOT));
        if (form && form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam)) return true;
    }
    // Ctrl+F4, Ctrl+F6 and the child's system-menu keys in an MDI frame.
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)
        if (TCustomForm* form = Screen ? Screen->FindForm(GetAncestor(msg.hwnd, GA_ROOT)) : nullptr;
            form && form->ClientHandle() && TranslateMDISysAccel(form->ClientHandle(), &msg))
            return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (ProcessMessage(msg)) {
    }
    if (Screen) Screen->TrackMouse();
}

void TApplication::HandleMessage() {
    MSG msg;
    if (ProcessMessage(msg)) return;
    if (Screen) Screen->TrackMouse();
    WaitMessage();
}

void TApplication::Run() {
    if (main_form_) main_form_->Show();
    while (!terminated_) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException();
        }
    }
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

HWND TApplication::ActiveWindow() const {
    HWND active = GetActiveWindow();
    if (active) return active;
    if (main_form_ && main_form_->HandleAllocated()) return main_form_->Handle();
    return window_.get();
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
    HWND owner = ActiveWindow();
    DisabledTaskWindows others;  // modal to the whole application
    return ::MessageBoxW(owner, widen(text).c_str(), widen(caption).c_str(), flags);
}

void TApplication::ShowException(const std::string& message) {
    std::string text = error_box_text(message);
    if (OnException) {
        OnException(text);
        return;
    }
    MessageBox(text, title_, MB_OK | MB_ICONERROR);
}

void TApplication::HandleException() {
    try {
        throw;
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("Unknown failure");
    }
}

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    std::vector<std::string> args;
    for (int i = 1; argv && i < count; ++i) args.push_back(narrow(argv.get()[i]));
    return args;
}

std::string ProgramFolder() { return narrow(program_path().parent_path().wstring()); }

}  // namespace korvane
