#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/win/stdctrls.h"
#include "framework/win/window_property.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using MouseTrackingTest = FrameworkTest;

TEST_F(MouseTrackingTest, EnterAndLeaveFollowTheCursorAcrossControls) {
    auto* form = app_->CreateForm<TForm>();
    form->SetName("Form");
    form->SetBounds(100, 100, 300, 200);
    auto* label = new TLabel(form);
    label->SetName("Label");
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 60, 20);
    label->SetCaption("Label");
    auto* button = new TButton(form);
    button->SetName("Button");
    button->SetParent(form);
    button->SetBounds(100, 10, 75, 25);
    form->Show();

    std::vector<std::string> log;
    auto record = [&log](TControl* c) {
        return std::make_unique<WindowProcHook>(*c, [&log, c](TMessage& m, const TWndMethod& next) {
            if (m.Msg == CM_MOUSEENTER) log.push_back("enter " + c->Name());
            if (m.Msg == CM_MOUSELEAVE) log.push_back("leave " + c->Name());
            next(m);
        });
    };
    auto form_hook = record(form);
    auto label_hook = record(label);
    auto button_hook = record(button);

    auto move_to = [&](TControl* c, int x, int y) {
        Point p = c->ClientToScreen({x, y});
        SetCursorPos(p.x, p.y);
        Pump();
    };
    move_to(label, 5, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"enter Label"}));
    move_to(button, 10, 10);
    EXPECT_EQ(log, (std::vector<std::string>{"enter Label", "leave Label", "enter Button"}));
    move_to(form, 250, 150);
    EXPECT_EQ(log, (std::vector<std::string>{"enter Label", "leave Label", "enter Button", "leave Button",
                                             "enter Form"}));
    // Leaving the program's windows altogether.
    SetCursorPos(5, 5);
    Pump();
    EXPECT_EQ(log.back(), "leave Form");
    EXPECT_EQ(Screen->MouseControl(), nullptr);
}

// Handles messages as a message box, a dialog or a menu does, with a loop of
// its own and no application in it, until done() or two seconds have passed.
bool RunOwnLoopUntil(const std::function<bool()>& done) {
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done() && std::chrono::steady_clock::now() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
    return done();
}

TEST_F(MouseTrackingTest, EnterAndLeaveComeInAMessageLoopOtherThanTheApplications) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    auto* label = new TLabel(form);
    label->SetName("Label");
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 60, 20);
    auto* button = new TButton(form);
    button->SetName("Button");
    button->SetParent(form);
    button->SetBounds(100, 10, 75, 25);
    SetCursorPos(5, 5);
    form->Show();
    Pump();
    ASSERT_EQ(Screen->MouseControl(), nullptr);

    std::vector<std::string> log;
    auto record = [&log](TControl* c) {
        return std::make_unique<WindowProcHook>(*c, [&log, c](TMessage& m, const TWndMethod& next) {
            if (m.Msg == CM_MOUSEENTER) log.push_back("enter " + c->Name());
            if (m.Msg == CM_MOUSELEAVE) log.push_back("leave " + c->Name());
            next(m);
        });
    };
    auto label_hook = record(label);
    auto button_hook = record(button);
    auto move_to = [&](TControl* c, int x, int y) {
        Point p = c->ClientToScreen({x, y});
        SetCursorPos(p.x, p.y);
    };
    move_to(label, 5, 5);
    EXPECT_TRUE(RunOwnLoopUntil([&] { return Screen->MouseControl() == label; }));
    move_to(button, 10, 10);
    EXPECT_TRUE(RunOwnLoopUntil([&] { return Screen->MouseControl() == button; }));
    // Off the program's windows: WM_MOUSELEAVE tells the button.
    SetCursorPos(5, 5);
    EXPECT_TRUE(RunOwnLoopUntil([&] { return Screen->MouseControl() == nullptr; }));
    EXPECT_EQ(log, (std::vector<std::string>{"enter Label", "leave Label", "enter Button", "leave Button"}));
}

TEST_F(MouseTrackingTest, AControlDestroyedUnderTheCursorIsForgotten) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 60, 20);
    form->Show();
    Point p = label->ClientToScreen({5, 5});
    SetCursorPos(p.x, p.y);
    Pump();
    ASSERT_EQ(Screen->MouseControl(), label);
    delete label;
    EXPECT_EQ(Screen->MouseControl(), nullptr);
    Pump();
    EXPECT_EQ(Screen->MouseControl(), form);
}

// A label that logs the framework's mouse handling it overrides, as a
// hyperlink label does.
class TLoggingLabel : public TCustomLabel {
public:
    explicit TLoggingLabel(TComponent* owner, std::vector<std::string>& log) : TCustomLabel(owner), log_(log) {}

protected:
    void CMMouseEnter(TMessage& m) override {
        TCustomLabel::CMMouseEnter(m);
        log_.push_back("enter");
    }
    void CMMouseLeave(TMessage& m) override {
        TCustomLabel::CMMouseLeave(m);
        log_.push_back("leave");
    }
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
        TCustomLabel::MouseDown(b, s, x, y);
        log_.push_back("down");
    }
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
        TCustomLabel::MouseUp(b, s, x, y);
        log_.push_back("up");
    }

private:
    std::vector<std::string>& log_;
};

TEST_F(MouseTrackingTest, PressDragOffAndReleaseReachTheLabelInOrder) {
    std::vector<std::string> log;
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    auto* label = new TLoggingLabel(form, log);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 60, 20);
    label->OnClick = [&](TObject*) { log.push_back("click"); };
    form->Show();
    HWND window = form->Handle();
    auto move_to = [&](int x, int y) {
        Point p = form->ClientToScreen({x, y});
        SetCursorPos(p.x, p.y);
        Pump();
    };

    // Enter, press, release inside: the click comes before the mouse-up handling.
    move_to(15, 15);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "down", "click", "up"}));

    // Press, drag off (leave while held), release outside: no click.
    log.clear();
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    move_to(200, 150);
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(200, 150));
    EXPECT_EQ(log, (std::vector<std::string>{"down", "leave", "up"}));
}

TEST_F(MouseTrackingTest, AWindowOfAnotherProcessIsNeverTakenForAControl) {
    // Another program of this framework marks its windows the same way; the mark it
    // leaves is a pointer into its own memory, here a bogus one.
    HWND foreign = GetDesktopWindow();
    DWORD process = 0;
    GetWindowThreadProcessId(foreign, &process);
    ASSERT_NE(process, GetCurrentProcessId());
    if (!ControlProperty().set(foreign, reinterpret_cast<void*>(0x1234)))
        GTEST_SKIP() << "this system does not let a process mark another's window";
    EXPECT_EQ(TWinControl::FindControl(foreign), nullptr);
    ControlProperty().remove(foreign);
}

}  // namespace
}  // namespace korvane::testing
