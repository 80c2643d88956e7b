#include <gtest/gtest.h>
#include <windows.h>

#include "framework/win/extctrls.h"
#include "framework/win/scroll_box.h"
#include "user_input.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using ScrollingTest = FrameworkTest;

TPanel* Block(TForm* form, TWinControl* parent, int x, int y, int w, int h) {
    auto* panel = new TPanel(form);
    panel->SetParent(parent);
    panel->SetBounds(x, y, w, h);
    return panel;
}

LONG_PTR StyleOf(TWinControl* c) { return GetWindowLongPtrW(c->Handle(), GWL_STYLE); }

// Where a child's window is, in its parent's client coordinates.
Point WindowPlace(TWinControl* c) {
    RECT r;
    GetWindowRect(c->Handle(), &r);
    POINT p{r.left, r.top};
    ScreenToClient(GetParent(c->Handle()), &p);
    return {p.x, p.y};
}

TEST_F(ScrollingTest, ScrollBoxShowsBarsForChildrenPastItsEdgesAndMovesThemAsItScrolls) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 400, 300);
    auto* box = new TScrollBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 200, 100);
    auto* top_block = Block(form, box, 10, 10, 50, 20);
    auto* low = Block(form, box, 10, 150, 75, 25);
    form->Show();
    Pump();
    // Only the vertical bar: the children fit across.
    EXPECT_TRUE(StyleOf(box) & WS_VSCROLL);
    EXPECT_FALSE(StyleOf(box) & WS_HSCROLL);
    EXPECT_EQ(box->VertScrollBar().Range(), 175);
    const int page = box->ClientHeight();

    // A click on the lower arrow scrolls by the increment.
    RECT bar;
    GetWindowRect(box->Handle(), &bar);
    SetCursorPos(bar.right - 4, bar.bottom - 4);
    LeftDown();
    LeftUp();
    PumpUntil([&] { return box->VertScrollBar().Position() != 0; });
    EXPECT_EQ(box->VertScrollBar().Position(), 8);
    EXPECT_EQ(low->Top(), 142);
    EXPECT_EQ(top_block->Top(), 2);
    EXPECT_EQ(WindowPlace(low).y, 142);
    // To the end: the lowest child's bottom meets the bottom of the client area.
    SendMessageW(box->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(box->VertScrollBar().Position(), 175 - page);
    EXPECT_EQ(low->BoundsRect().bottom, page);
    EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), 175 - page);
    // The wheel scrolls three increments back.
    SendMessageW(box->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(box->VertScrollBar().Position(), 175 - page - 24);

    // A child wider than the box brings the horizontal bar as well.
    auto* wide = Block(form, box, 0, 0, 300, 10);
    EXPECT_TRUE(StyleOf(box) & WS_HSCROLL);
    EXPECT_EQ(box->HorzScrollBar().Range(), 300);
    // When everything fits again the bars go and the children are back where they were.
    delete wide;
    low->SetTop(low->Top() - 100);
    EXPECT_FALSE(StyleOf(box) & WS_VSCROLL);
    EXPECT_FALSE(StyleOf(box) & WS_HSCROLL);
    EXPECT_EQ(top_block->Top(), 10);
    EXPECT_EQ(low->Top(), 50);
}

TEST_F(ScrollingTest, FormScrollsOnlyWithAutoScrollAndScrollInViewBringsAChildIn) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    form->SetClientSize({200, 150});
    auto* distant = Block(form, form, 20, 300, 60, 30);
    form->Show();
    Pump();
    EXPECT_TRUE(StyleOf(form) & WS_VSCROLL);
    form->ScrollInView(distant);
    EXPECT_EQ(distant->BoundsRect().bottom, form->ClientHeight());
    EXPECT_EQ(WindowPlace(distant).y, distant->Top());

    form->SetAutoScroll(false);
    EXPECT_FALSE(StyleOf(form) & WS_VSCROLL);
    EXPECT_EQ(distant->Top(), 300);
    // Without AutoScroll a range set by the program still scrolls.
    form->VertScrollBar().SetRange(500);
    EXPECT_TRUE(StyleOf(form) & WS_VSCROLL);
    form->VertScrollBar().SetPosition(100);
    EXPECT_EQ(distant->Top(), 200);
    form->VertScrollBar().SetVisible(false);
    EXPECT_FALSE(StyleOf(form) & WS_VSCROLL);
    EXPECT_EQ(distant->Top(), 300);
}

TEST_F(ScrollingTest, AFormThatSizesItselfToItsChildrenNeverScrolls) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    auto* block = Block(form, form, 0, 0, 100, 50);
    form->SetAutoSize(true);
    form->Show();
    Pump();
    // Growing and shrinking the child: the client area follows it exactly, with no bars.
    block->SetBounds(0, 0, 400, 300);
    EXPECT_EQ(form->ClientRect().size(), (Size{400, 300}));
    block->SetBounds(0, 0, 220, 120);
    EXPECT_FALSE(StyleOf(form) & (WS_VSCROLL | WS_HSCROLL));
    EXPECT_EQ(form->ClientRect().size(), (Size{220, 120}));
}

}  // namespace
}  // namespace korvane::testing
