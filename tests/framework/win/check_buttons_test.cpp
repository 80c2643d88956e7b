#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/win/bitmap.h"
#include "framework/win/check_buttons.h"
#include "framework/win/group_box.h"
#include "user_input.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using CheckButtonsTest = FrameworkTest;

template <class C>
C* Place(TWinControl* parent, int x, int y, int w, int h, const char* caption = "") {
    auto* c = new C(parent->ParentForm());
    c->SetParent(parent);
    c->SetBounds(x, y, w, h);
    c->SetCaption(caption);
    return c;
}

TForm* ShownForm(TApplication& app) {
    auto* form = app.CreateForm<TForm>();
    form->SetBounds(100, 100, 320, 240);
    return form;
}

LRESULT CheckOf(TWinControl* c) { return SendMessageW(c->Handle(), BM_GETCHECK, 0, 0); }

void Click(TWinControl* c, Point p = {6, 8}) {
    MoveMouseTo(c->Handle(), p);
    LeftDown();
    LeftUp();
}

TEST_F(CheckButtonsTest, CheckBoxStepsThroughItsStatesByMouseSpaceAndProgram) {
    TForm* form = ShownForm(*app_);
    auto* box = Place<TCheckBox>(form, 10, 10, 120, 17, "&Gray too");
    box->SetAllowGrayed(true);
    std::vector<TCheckBoxState> seen;
    box->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, box);
        seen.push_back(box->State());
    };
    form->Show();
    Pump();

    Click(box);
    PumpUntil([&] { return seen.size() == 1; });
    EXPECT_EQ(box->State(), cbGrayed);
    EXPECT_EQ(CheckOf(box), BST_INDETERMINATE);
    EXPECT_TRUE(box->Focused());  // a click focuses it, so the space key goes to it
    TypeKey(VK_SPACE);
    PumpUntil([&] { return seen.size() == 2; });
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_EQ(CheckOf(box), BST_CHECKED);
    box->SetChecked(false);
    EXPECT_EQ(CheckOf(box), BST_UNCHECKED);
    // Alt+G: the caption's accelerator.
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'g'), 1);
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked, cbGrayed}));

    // Disabled, it takes no clicks.
    box->SetEnabled(false);
    EXPECT_TRUE(GetWindowLongPtrW(box->Handle(), GWL_STYLE) & WS_DISABLED);
    Click(box);
    Pump();
    EXPECT_EQ(seen.size(), 4u);
    // Text on the left is the window's BS_LEFTTEXT; the state survives the new window.
    box->SetAlignment(taLeftJustify);
    EXPECT_TRUE(GetWindowLongPtrW(box->Handle(), GWL_STYLE) & BS_LEFTTEXT);
    EXPECT_EQ(CheckOf(box), BST_INDETERMINATE);
}

TEST_F(CheckButtonsTest, RadioButtonsCheckOneAtATimeAndArrowsMoveTheCheck) {
    TForm* form = ShownForm(*app_);
    auto* a = Place<TRadioButton>(form, 10, 10, 100, 17, "A");
    auto* b = Place<TRadioButton>(form, 10, 30, 100, 17, "B");
    auto* c = Place<TRadioButton>(form, 10, 50, 100, 17, "C");
    auto* d = Place<TRadioButton>(form, 10, 70, 100, 17, "D");
    c->SetEnabled(false);
    std::vector<std::string> clicks;
    for (TRadioButton* r : {a, b, c, d}) r->OnClick = [&clicks, r](TObject*) { clicks.push_back(r->Caption()); };
    a->SetChecked(true);
    form->Show();
    Pump();

    Click(b);
    PumpUntil([&] { return clicks.size() == 2; });
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(CheckOf(a), BST_UNCHECKED);
    EXPECT_EQ(CheckOf(b), BST_CHECKED);
    // Tab reaches the group at its checked button only.
    EXPECT_FALSE(GetWindowLongPtrW(a->Handle(), GWL_STYLE) & WS_TABSTOP);
    EXPECT_TRUE(GetWindowLongPtrW(b->Handle(), GWL_STYLE) & WS_TABSTOP);

    // Down skips the disabled C; down again wraps round to A; up goes back to D.
    TypeKey(VK_DOWN);
    PumpUntil([&] { return clicks.size() == 3; });
    EXPECT_TRUE(d->Focused());
    TypeKey(VK_DOWN);
    PumpUntil([&] { return clicks.size() == 4; });
    TypeKey(VK_UP);
    PumpUntil([&] { return clicks.size() == 5; });
    EXPECT_TRUE(d->Checked());
    EXPECT_EQ(CheckOf(d), BST_CHECKED);
    EXPECT_EQ(clicks, (std::vector<std::string>{"A", "B", "D", "A", "D"}));
    // A click on the checked button changes nothing.
    Click(d);
    Pump();
    EXPECT_EQ(clicks.size(), 5u);
}

TEST_F(CheckButtonsTest, RadioGroupMakesItsButtonsFromItemsAndKeepsTheIndex) {
    TForm* form = ShownForm(*app_);
    auto* group = Place<TRadioGroup>(form, 10, 10, 210, 110, "&Size");
    group->Items().SetText("Small\nMedium\nLarge\n");
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    form->Show();
    Pump();

    ASSERT_EQ(group->ButtonCount(), 3);
    ASSERT_EQ(group->ControlCount(), 3);
    EXPECT_EQ(TextOf(group->Buttons(1)->Handle()), "Medium");
    EXPECT_EQ(GetParent(group->Buttons(1)->Handle()), group->Handle());
    // One column of equal rows, 8 pixels in, as wide as the group less 10.
    for (int i = 0; i < 3; ++i) {
        Rect r = group->Buttons(i)->BoundsRect();
        EXPECT_EQ(r.left, 8);
        EXPECT_EQ(r.width(), 200);
        EXPECT_EQ(r.height(), group->Buttons(0)->Height());
        EXPECT_EQ(r.top, group->Buttons(0)->Top() + i * r.height());
    }
    EXPECT_EQ(group->ItemIndex(), -1);

    Click(group->Buttons(1));
    PumpUntil([&] { return clicks == 1; });
    EXPECT_EQ(group->ItemIndex(), 1);
    group->SetItemIndex(2);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(CheckOf(group->Buttons(2)), BST_CHECKED);
    EXPECT_EQ(CheckOf(group->Buttons(1)), BST_UNCHECKED);
    // Alt+S: the group's accelerator focuses its checked button.
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 's'), 1);
    EXPECT_TRUE(group->Buttons(2)->Focused());

    // Two columns: the second starts half the width further.
    group->SetColumns(2);
    EXPECT_EQ(group->Buttons(2)->Left(), 8 + 100);
    EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());
    EXPECT_EQ(group->Buttons(2)->Width(), 100);
    // The checked item goes: no index. Disabling the group disables its buttons.
    group->Items().Delete(2);
    EXPECT_EQ(group->ButtonCount(), 2);
    EXPECT_EQ(group->ItemIndex(), -1);
    group->SetItemIndex(5);
    EXPECT_EQ(group->ItemIndex(), -1);
    group->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(group->Buttons(0)->Handle()));
}

TEST_F(CheckButtonsTest, GroupBoxFrameIsEtchedAndTheCaptionInterruptsItsTopEdge) {
    TForm* form = ShownForm(*app_);
    auto* box = Place<TGroupBox>(form, 0, 0, 120, 80, "Options");
    box->SetColor(rgb(0, 128, 0));
    form->Show();
    TBitmap target;
    target.SetSize(120, 80);
    box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.Canvas().Handle()));
    ImageView v = target.View();
    auto pixel_of = [](Color c) { return rgb_of(to_pixel(Color(ColorToRGB(c)))); };
    const int edge = target.Canvas().TextHeight("0") / 2;
    // Etched: a shadow line, then a highlight line inside it, on all four sides.
    EXPECT_EQ(rgb_of(v.at(0, 40)), pixel_of(clBtnShadow));
    EXPECT_EQ(rgb_of(v.at(1, 40)), pixel_of(clBtnHighlight));
    EXPECT_EQ(rgb_of(v.at(118, 40)), pixel_of(clBtnShadow));
    EXPECT_EQ(rgb_of(v.at(119, 40)), pixel_of(clBtnHighlight));
    EXPECT_EQ(rgb_of(v.at(100, edge)), pixel_of(clBtnShadow));
    EXPECT_EQ(rgb_of(v.at(60, 78)), pixel_of(clBtnShadow));
    // Above the edge, inside, and behind the caption: the face.
    EXPECT_EQ(rgb_of(v.at(100, 0)), 0x008000u);
    EXPECT_EQ(rgb_of(v.at(60, 50)), 0x008000u);
    EXPECT_EQ(rgb_of(v.at(7, edge)), 0x008000u);
}

}  // namespace
}  // namespace korvane::testing
