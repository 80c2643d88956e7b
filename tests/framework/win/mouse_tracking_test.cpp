#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win/stdctrls.h"
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
        auto old = c->WindowProc;
        c->WindowProc = [&log, c, old](TMessage& m) {
            if (m.Msg == CM_MOUSEENTER) log.push_back("enter " + c->Name());
            if (m.Msg == CM_MOUSELEAVE) log.push_back("leave " + c->Name());
            old(m);
        };
    };
    record(form);
    record(label);
    record(button);

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

}  // namespace
}  // namespace korvane::testing
