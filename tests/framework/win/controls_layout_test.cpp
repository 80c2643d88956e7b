#include <gtest/gtest.h>

#include <string>

#include "framework/core/layout_reader.h"
#include "framework/core/layout_writer.h"
#include "framework/win/check_buttons.h"
#include "framework/win/edits.h"
#include "framework/win/group_box.h"
#include "framework/win/header_control.h"
#include "framework/win/list_view.h"
#include "framework/win/tab_controls.h"
#include "framework/win/list_boxes.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/speed_button.h"
#include "framework/win/status_bar.h"
#include "framework/win/track_bar.h"
#include "framework/win/up_down.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using ControlsLayoutTest = FrameworkTest;

template <class C>
C* Add(TForm* form, TWinControl* parent, const char* name) {
    auto* c = new C(form);
    c->SetName(name);
    c->SetParent(parent);
    return c;
}

TEST_F(ControlsLayoutTest, TabsHeadersAndListViewsWriteAndReadBackTheSameLayout) {
    auto* form = app_->CreateForm<TForm>();
    form->SetName("Pages");
    auto* pages = Add<TPageControl>(form, form, "PageControl1");
    pages->SetTabPosition(tpBottom);
    Add<TTabSheet>(form, pages, "TabSheet1")->SetCaption("First");
    auto* second = Add<TTabSheet>(form, pages, "TabSheet2");
    second->SetCaption("Second");
    pages->SetActivePage(second);
    auto* tabs = Add<TTabControl>(form, second, "TabControl1");
    tabs->Tabs().SetText("a\nb\nc\n");
    tabs->SetTabIndex(2);
    auto* header = Add<THeaderControl>(form, form, "HeaderControl1");
    THeaderSection& section = header->Sections().Add();
    section.SetText("Name");
    section.SetMinWidth(20);
    section.SetWidth(90);
    auto* view = Add<TListView>(form, form, "ListView1");
    view->SetViewStyle(vsReport);
    view->SetGridLines(true);
    view->Columns().Add().SetCaption("File");
    TListItem& item = view->Items().Add();
    item.SetCaption("a.txt");
    item.SubItems().SetText("12\nText\n");

    const std::string text = WriteLayout(*form);
    TForm copy(nullptr);
    ReadLayout(text, copy);
    EXPECT_EQ(WriteLayout(copy), text);
    auto* pages_copy = dynamic_cast<TPageControl*>(copy.FindComponent("PageControl1"));
    ASSERT_EQ(pages_copy->PageCount(), 2);
    EXPECT_EQ(pages_copy->ActivePage(), copy.FindComponent("TabSheet2"));
    EXPECT_EQ(dynamic_cast<TTabControl*>(copy.FindComponent("TabControl1"))->TabIndex(), 2);
    EXPECT_EQ(dynamic_cast<THeaderControl*>(copy.FindComponent("HeaderControl1"))->Sections().Items(0).Width(), 90);
    auto* view_copy = dynamic_cast<TListView*>(copy.FindComponent("ListView1"));
    ASSERT_EQ(view_copy->Items().Count(), 1);
    EXPECT_EQ(view_copy->Items().Items(0).SubItems().Count(), 2);
}

TEST_F(ControlsLayoutTest, BoxesBarsAndSpeedButtonsWriteAndReadBackTheSameLayout) {
    auto* form = app_->CreateForm<TForm>();
    form->SetName("Options");
    auto* box = Add<TCheckBox>(form, form, "CheckBox1");
    box->SetAllowGrayed(true);
    box->SetState(cbGrayed);
    box->SetAlignment(taLeftJustify);
    auto* frame = Add<TGroupBox>(form, form, "GroupBox1");
    Add<TRadioButton>(form, frame, "RadioButton1");
    Add<TRadioButton>(form, frame, "RadioButton2")->SetChecked(true);
    auto* group = Add<TRadioGroup>(form, form, "RadioGroup1");
    group->Items().SetText("One\nTwo\nThree\n");
    group->SetItemIndex(1);
    group->SetColumns(3);
    auto* speed = Add<TSpeedButton>(form, form, "SpeedButton1");
    speed->SetGroupIndex(2);
    speed->SetDown(true);
    speed->SetFlat(true);
    speed->SetLayout(blGlyphTop);
    auto* status = Add<TStatusBar>(form, form, "StatusBar1");
    status->Panels().Add().SetText("Ready");
    status->Panels().Add().SetBevel(pbRaised);
    status->SetSizeGrip(false);
    auto* track = Add<TTrackBar>(form, form, "TrackBar1");
    track->SetMax(50);
    track->SetPosition(20);
    track->SetTickStyle(tsManual);
    track->SetOrientation(trVertical);

    auto* edit = Add<TEdit>(form, form, "Edit1");
    edit->SetText("42");
    edit->SetMaxLength(5);
    edit->SetPasswordChar('#');
    auto* spin = Add<TUpDown>(form, form, "UpDown1");
    spin->SetPosition(42);
    spin->SetAssociate(edit);
    auto* memo = Add<TMemo>(form, form, "Memo1");
    memo->Lines().SetText("first\nsecond\n");
    memo->SetScrollBars(ssBoth);
    memo->SetWordWrap(false);
    auto* list = Add<TListBox>(form, form, "ListBox1");
    list->Items().SetText("a\nb\n");
    list->SetMultiSelect(true);
    auto* combo = Add<TComboBox>(form, form, "ComboBox1");
    combo->Items().SetText("x\ny\n");
    combo->SetStyle(csDropDownList);
    combo->SetDropDownCount(4);
    auto* scroll = Add<TScrollBar>(form, form, "ScrollBar1");
    scroll->SetMax(200);
    scroll->SetPageSize(20);
    scroll->SetPosition(150);
    scroll->SetKind(sbVertical);

    const std::string text = WriteLayout(*form);
    TForm copy(nullptr);
    ReadLayout(text, copy);
    EXPECT_EQ(WriteLayout(copy), text);
    auto* group_copy = dynamic_cast<TRadioGroup*>(copy.FindComponent("RadioGroup1"));
    ASSERT_NE(group_copy, nullptr);
    EXPECT_EQ(group_copy->ButtonCount(), 3);
    EXPECT_EQ(group_copy->ItemIndex(), 1);
    EXPECT_TRUE(group_copy->Buttons(1)->Checked());
    EXPECT_TRUE(dynamic_cast<TRadioButton*>(copy.FindComponent("RadioButton2"))->Checked());
    EXPECT_EQ(dynamic_cast<TCheckBox*>(copy.FindComponent("CheckBox1"))->State(), cbGrayed);
    EXPECT_TRUE(dynamic_cast<TSpeedButton*>(copy.FindComponent("SpeedButton1"))->Down());
    auto* status_copy = dynamic_cast<TStatusBar*>(copy.FindComponent("StatusBar1"));
    ASSERT_EQ(status_copy->Panels().Count(), 2);
    EXPECT_EQ(status_copy->Panels().Items(0).Text(), "Ready");
    EXPECT_EQ(status_copy->Panels().Items(1).Bevel(), pbRaised);
    EXPECT_EQ(dynamic_cast<TTrackBar*>(copy.FindComponent("TrackBar1"))->Position(), 20);
    EXPECT_EQ(dynamic_cast<TEdit*>(copy.FindComponent("Edit1"))->Text(), "42");
    EXPECT_EQ(dynamic_cast<TUpDown*>(copy.FindComponent("UpDown1"))->Associate(), copy.FindComponent("Edit1"));
    auto* memo_copy = dynamic_cast<TMemo*>(copy.FindComponent("Memo1"));
    ASSERT_EQ(memo_copy->Lines().Count(), 2);
    EXPECT_EQ(memo_copy->Text(), "first\r\nsecond");
    EXPECT_EQ(dynamic_cast<TComboBox*>(copy.FindComponent("ComboBox1"))->Items().Count(), 2);
    EXPECT_EQ(dynamic_cast<TScrollBar*>(copy.FindComponent("ScrollBar1"))->Position(), 150);
    // The radio group's own buttons are not part of the layout.
    EXPECT_EQ(text.find("TRadioButton", text.find("RadioGroup1")), std::string::npos);
}

}  // namespace
}  // namespace korvane::testing
