#pragma once
// TApplication: the program's hidden "TApplication" window (which owns the
// forms' windows), its title, its main form, the message loop and the
// standard error box.
//
// A program makes one TApplication before any form and lets it go before
// main returns: it frees the forms it owns and their windows with it.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/win/form.h"
#include "framework/win/gdi.h"
#include "framework/win/screen.h"

namespace korvane {

class TApplication : public TComponent {
public:
    static constexpr std::string_view kClassName = "TApplication";

    explicit TApplication(TComponent* owner = nullptr);
    ~TApplication() override;

    std::string_view ClassName() const override { return kClassName; }

    // Makes the application's window.
    void Initialize();
    HWND Handle() const { return window_.get(); }
    bool HandleAllocated() const { return window_.get() != nullptr; }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // The first form made with CreateForm.
    TCustomForm* MainForm() const { return main_form_; }

    // Makes a form owned by the application and initialises it (layout,
    // OnCreate); the first one becomes the main form.
    template <class F>
    F* CreateForm() {
        F* form = NewForm<F>(this);
        if (!main_form_) main_form_ = form;
        return form;
    }

    // Shows the main form and handles messages until Terminate.
    void Run();
    // Handles every message waiting now, then notes where the mouse is.
    void ProcessMessages();
    // Handles one message, or waits for one when there is none.
    void HandleMessage();
    // Asks the loop to end; takes effect when the loop next looks.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // MessageBoxW owned by the active window (or the application's), with
    // every other window of the program disabled while it is open.
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);
    // The standard error box: the message (with a full stop, see
    // error_box_text), the title as caption, an error icon and OK.
    void ShowException(const std::string& message);
    // Shows the exception being handled; call from a catch block.
    void HandleException();
    // When set, failures go here (with the error box's text) instead of the box.
    std::function<void(const std::string& text)> OnException;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool ProcessMessage(MSG& msg);
    HWND ActiveWindow() const;

    std::unique_ptr<TScreen> screen_;
    UniqueWindow window_;
    std::string title_;
    TCustomForm* main_form_ = nullptr;
    bool terminated_ = false;
};

// The one application; null before it is made and after it is gone.
extern TApplication* Application;

// The program's arguments as UTF-8, without the program's name.
std::vector<std::string> CommandLineArguments();
// The folder that holds the program's file, as UTF-8.
std::string ProgramFolder();

}  // namespace korvane
