#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/win/edits.h"
#include "framework/win/stdctrls.h"
#include "user_input.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using EditsTest = FrameworkTest;

TEST_F(EditsTest, TypingReachesTheCaptionAtOnceAndTheProgramsTextShows) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 150, 21);
    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 40, 150, 21);
    other->SetText("selected");
    int changes = 0;
    edit->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, edit);
        ++changes;
    };
    form->Show();
    Pump();
    ASSERT_TRUE(edit->Focused());

    // The caret stays where the typing left it: "ab", not "ba".
    TypeKey('A');
    TypeKey('B');
    PumpUntil([&] { return edit->Text() == "ab"; });
    EXPECT_EQ(edit->Text(), "ab");
    EXPECT_EQ(changes, 2);
    edit->SetText("xyz");
    EXPECT_EQ(TextOf(edit->Handle()), "xyz");
    EXPECT_EQ(changes, 3);

    // A limit of four characters: the fifth is refused.
    edit->SetMaxLength(4);
    edit->SetSel(3, 0);
    TypeKey('C');
    TypeKey('D');
    Pump();
    EXPECT_EQ(edit->Text(), "xyzc");
    // Read-only: typing changes nothing.
    edit->SetReadOnly(true);
    EXPECT_TRUE(GetWindowLongPtrW(edit->Handle(), GWL_STYLE) & ES_READONLY);
    TypeKey('E');
    Pump();
    EXPECT_EQ(edit->Text(), "xyzc");

    // Tab into the other edit selects its whole text.
    TypeKey(VK_TAB);
    PumpUntil([&] { return other->Focused(); });
    EXPECT_EQ(other->SelStart(), 0);
    EXPECT_EQ(other->SelLength(), 8);

    other->SetPasswordChar('*');
    EXPECT_EQ(SendMessageW(other->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_TRUE(GetWindowLongPtrW(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    edit->SetBorderStyle(bsNone);
    EXPECT_FALSE(GetWindowLongPtrW(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(TextOf(edit->Handle()), "xyzc");  // the new window keeps the text
}

TEST_F(EditsTest, MemoLinesFollowTheWindowAndTabLeavesItUnlessWanted) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 250);
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetBounds(10, 10, 200, 100);
    memo->SetScrollBars(ssVertical);
    memo->Lines().SetText("one\ntwo\n");
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 150, 75, 25);
    form->Show();
    Pump();
    ASSERT_TRUE(memo->Focused());
    EXPECT_EQ(TextOf(memo->Handle()), "one\r\ntwo");
    EXPECT_TRUE(GetWindowLongPtrW(memo->Handle(), GWL_STYLE) & WS_VSCROLL);

    // Return starts a new line; what is typed lands in Lines.
    memo->SetSel(9, 0);
    TypeKey(VK_RETURN);
    TypeKey('X');
    PumpUntil([&] { return memo->Lines().Count() == 3; });
    ASSERT_EQ(memo->Lines().Count(), 3);
    EXPECT_EQ(memo->Lines().Strings(2), "x");
    EXPECT_EQ(memo->Text(), "one\r\ntwo\r\nx");

    TypeKey(VK_TAB);
    PumpUntil([&] { return button->Focused(); });
    EXPECT_TRUE(button->Focused());
    memo->SetWantTabs(true);
    memo->SetFocus();
    memo->SetSel(0, 0);
    TypeKey(VK_TAB);
    PumpUntil([&] { return memo->Lines().Strings(0) == "\tone"; });
    EXPECT_EQ(memo->Lines().Strings(0), "\tone");
    EXPECT_TRUE(memo->Focused());
}

}  // namespace
}  // namespace korvane::testing
