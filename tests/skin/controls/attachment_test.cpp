// Which control-skinning object each control gets, and what happens when the
// skin comes off or a control goes first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win/buttons.h"
#include "framework/win/check_buttons.h"
#include "framework/win/comctrls.h"
#include "framework/win/extctrls.h"
#include "framework/win/group_box.h"
#include "framework/win/scroll_box.h"
#include "framework/win/speed_button.h"
#include "framework/win/status_bar.h"
#include "framework/win/tab_controls.h"
#include "framework/win/track_bar.h"
#include "skin/controls/skin_bit_button.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_radio_button.h"
#include "skin/controls/skin_sizer.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/controls/skin_track_bar.h"
#include "skinned_controls.h"

namespace korvane::testing {
namespace {

using Attachment = SkinnedControlsTest;

int ObjectsOn(const TControlSkins& skins, HWND window) {
    int n = 0;
    for (const TSkinControl* object : skins.ControlList) n += object->Handle == window;
    return n;
}

TEST_F(Attachment, EachFrameworkKindGetsItsClass) {
    TForm* form = NewForm(520, 360);
    auto* button = Place<TButton>(form, 10, 10, 80, 25, "Button");
    auto* bit = Place<TBitBtn>(form, 100, 10, 80, 25, "Bit");
    auto* check = Place<TCheckBox>(form, 10, 50, 100, 20, "Check");
    auto* radio = Place<TRadioButton>(form, 120, 50, 100, 20, "Radio");
    auto* panel = Place<TPanel>(form, 10, 80, 200, 60);
    auto* group = Place<TGroupBox>(form, 220, 80, 200, 60, "Group");
    auto* progress = Place<TProgressBar>(form, 10, 150, 200, 16);
    auto* track = Place<TTrackBar>(form, 10, 180, 200, 30);
    auto* speed = Place<TSpeedButton>(form, 220, 150, 60, 25, "Speed");
    auto* status = new TStatusBar(form);
    status->SetParent(form);
    TControlSkins& skins = Skin(*form);
    EXPECT_EQ(KindOf(skins, button->Handle()), "TSkinButton");
    EXPECT_EQ(KindOf(skins, bit->Handle()), "TSkinBitButton");
    EXPECT_EQ(KindOf(skins, check->Handle()), "TSkinCheckBox");
    EXPECT_EQ(KindOf(skins, radio->Handle()), "TSkinRadioButton");
    EXPECT_EQ(KindOf(skins, panel->Handle()), "TSkinBox");
    EXPECT_EQ(KindOf(skins, group->Handle()), "TSkinBox");
    EXPECT_EQ(KindOf(skins, progress->Handle()), "TSkinProgress");
    EXPECT_EQ(KindOf(skins, track->Handle()), "TSkinTrackBar");
    EXPECT_EQ(KindOf(skins, status->Handle()), "TSkinStatusBar");
    int speed_objects = 0;
    for (const TSkinControl* object : skins.ControlList)
        if (object->GraphicControl == speed) {
            ++speed_objects;
            EXPECT_EQ(object->ClassName(), "TSkinSpeedButton");
        }
    EXPECT_EQ(speed_objects, 1);
    // Boxes wear the skin's face while attached, and give it back.
    const Color face = DefaultSkin().Colours().ButtonFace;
    EXPECT_EQ(panel->GetColor(), face);
    EXPECT_EQ(check->GetColor(), face);
    skin_->Unskin();
    EXPECT_NE(panel->GetColor(), face);
    EXPECT_TRUE(skin_->Controls() == nullptr);
}

TEST_F(Attachment, TagRulesRadioGroupsPanelsAndTheApplicationsChoice) {
    TForm* form = NewForm();
    auto* skipped = Place<TButton>(form, 10, 10, 80, 25, "199");
    skipped->SetTag(199);
    auto* negative = Place<TButton>(form, 100, 10, 80, 25, "-99");
    negative->SetTag(-99);
    auto* group = Place<TRadioGroup>(form, 10, 50, 150, 110, "Group");
    group->Items().Add("One");
    group->Items().Add("Two");
    group->Items().Add("Three");
    auto* panel = Place<TPanel>(form, 180, 50, 200, 80);
    auto* on_panel = Place<TButton>(panel, 10, 10, 80, 25, "On panel");
    auto* chosen = Place<TButton>(form, 180, 150, 80, 25, "Chosen");
    auto* left = Place<TButton>(form, 280, 150, 80, 25, "Table");
    TSkinButton own(nullptr);
    std::vector<std::string> classes;
    DefaultSkin().OnSkinControl = [&](TComponent* sender, TSkinData& data, TControl* container,
                                      TComponent* control, const std::string& control_class,
                                      TComponent*& skinned) {
        EXPECT_EQ(sender, skin_);
        EXPECT_EQ(&data, &DefaultSkin());
        EXPECT_EQ(container, form);
        EXPECT_EQ(skinned, nullptr);
        classes.push_back(control_class);
        if (control == chosen) skinned = &own;
        if (control == left) skinned = control;  // not a skinning object: the table decides
    };
    TControlSkins& skins = Skin(*form);
    DefaultSkin().OnSkinControl = nullptr;

    EXPECT_EQ(KindOf(skins, skipped->Handle()), "none");
    EXPECT_EQ(KindOf(skins, negative->Handle()), "TSkinButton");
    ASSERT_EQ(group->ButtonCount(), 3);
    int group_objects = ObjectsOn(skins, group->Handle());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(KindOf(skins, group->Buttons(i)->Handle()), "TSkinRadioButton");
        group_objects += ObjectsOn(skins, group->Buttons(i)->Handle());
    }
    EXPECT_EQ(KindOf(skins, group->Handle()), "TSkinBox");
    EXPECT_EQ(group_objects, 4);
    EXPECT_EQ(ObjectsOn(skins, on_panel->Handle()), 1);
    EXPECT_EQ(ObjectsOn(skins, panel->Handle()), 1);
    // The application's object is attached but stays out of the list.
    EXPECT_EQ(KindOf(skins, chosen->Handle()), "none");
    EXPECT_EQ(own.Handle, chosen->Handle());
    EXPECT_TRUE(own.Attached());
    EXPECT_EQ(KindOf(skins, left->Handle()), "TSkinButton");
    EXPECT_NE(std::find(classes.begin(), classes.end(), "TBUTTON"), classes.end());
    // Tag 199's button reached neither the handler nor the table.
    skin_->Unskin();
    EXPECT_TRUE(own.Attached());
    own.Detach();
}

TEST_F(Attachment, AStatusBarLeavesTheSystemFontForItsOwn) {
    TForm* form = NewForm(520, 300);
    auto* status = Place<TStatusBar>(form, 0, 200, 400, 22);
    status->SetUseSystemFont(true);
    TControlSkins& skins = Skin(*form);
    EXPECT_EQ(KindOf(skins, status->Handle()), "TSkinStatusBar");
    EXPECT_FALSE(status->UseSystemFont());
}

TEST_F(Attachment, ContainersAreWalkedForTheControlsTheyOwn) {
    TForm* form = NewForm(520, 300);
    auto* box = Place<TScrollBox>(form, 10, 10, 200, 120);
    auto* in_box = new TButton(box);  // owned by the box itself
    in_box->SetParent(box);
    in_box->SetBounds(10, 10, 80, 25);
    auto* on_box = Place<TButton>(box, 100, 10, 80, 25, "Form's");
    auto* pages = Place<TPageControl>(form, 220, 10, 250, 150);
    auto* page = new TTabSheet(form);
    page->SetParent(pages);
    page->SetCaption("Page");
    auto* on_page = new TCheckBox(page);
    on_page->SetParent(page);
    on_page->SetBounds(10, 10, 100, 20);
    // Without scroll-bar skinning the scroll box is a container like the page.
    const TSkinControlTypes kinds = DefaultSkin().SkinControls();
    DefaultSkin().SetSkinControls(kinds - TSkinControlTypes{xcScrollbar});
    TControlSkins& skins = Skin(*form);
    DefaultSkin().SetSkinControls(kinds);
    EXPECT_EQ(KindOf(skins, box->Handle()), "none");
    EXPECT_EQ(ObjectsOn(skins, in_box->Handle()), 1);
    EXPECT_EQ(KindOf(skins, in_box->Handle()), "TSkinButton");
    EXPECT_EQ(ObjectsOn(skins, on_box->Handle()), 1);
    EXPECT_EQ(KindOf(skins, page->Handle()), "none");
    EXPECT_EQ(KindOf(skins, on_page->Handle()), "TSkinCheckBox");
    EXPECT_EQ(ObjectsOn(skins, on_page->Handle()), 1);
    skin_->Release();
    skin_ = nullptr;

    // With it, the scroll box's own bars are skinned and the first matching
    // row ends its classification: what it owns keeps its look.
    TControlSkins& again = Skin(*form);
    EXPECT_EQ(KindOf(again, box->Handle()), "TSkinScrollBar");
    EXPECT_EQ(KindOf(again, in_box->Handle()), "none");
    EXPECT_EQ(ObjectsOn(again, on_box->Handle()), 1);
    EXPECT_EQ(ObjectsOn(again, on_page->Handle()), 1);
}

// A plain dialog's child windows, the way a message box holds them.
HWND Child(HWND parent, const wchar_t* cls, DWORD style, int id, int y) {
    return CreateWindowExW(0, cls, L"x", WS_CHILD | WS_VISIBLE | style, 10, y, 120, 24, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

TEST_F(Attachment, PlainDialogButtonsByTypeAndTheirClickCarriesTheControlId) {
    HWND dialog = PlainWindow(L"Plain", WS_OVERLAPPEDWINDOW, 0, 60, 60, 420, 420);
    std::vector<HWND> buttons;
    for (int type = 0; type < 16; ++type) buttons.push_back(Child(dialog, L"BUTTON", type, 100 + type, 0));
    HWND grip = Child(dialog, L"ScrollBar", SBS_SIZEGRIP, 200, 300);
    HWND label = Child(dialog, L"Static", 0, 201, 330);
    auto& skins = SkinPlain(dialog);
    const char* expected[16] = {"TSkinButton",      "TSkinButton", "TSkinCheckBox", "TSkinCheckBox",
                                "TSkinRadioButton", "TSkinCheckBox", "TSkinCheckBox", "none",
                                "TSkinButton",      "TSkinRadioButton", "TSkinButton", "none",
                                "none",             "none",        "none",          "none"};
    for (int type = 0; type < 16; ++type) EXPECT_EQ(KindOf(skins, buttons[type]), expected[type]) << type;
    EXPECT_EQ(KindOf(skins, grip), "TSkinSizer");
    EXPECT_EQ(KindOf(skins, label), "none");
    // Classifying again adds nothing.
    const std::size_t count = skins.ControlList.size();
    skins.ClassifyWindows(dialog);
    EXPECT_EQ(skins.ControlList.size(), count);

    // The click: posted to the dialog with the control id and BN_CLICKED.
    SendMessageW(buttons[0], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(buttons[0], WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, dialog, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM(100));
    EXPECT_EQ(msg.lParam, reinterpret_cast<LPARAM>(buttons[0]));
    EXPECT_FALSE(PeekMessageW(&msg, dialog, WM_COMMAND, WM_COMMAND, PM_REMOVE));

    // A null text is legal and clears the caption.
    TSkinControl* first = skins.FindControlByHandle(buttons[0]);
    SendMessageW(buttons[0], WM_SETTEXT, 0, 0);
    EXPECT_EQ(first->Caption, "");
    // The window going gives its procedure back; the object stays in the list,
    // holds no handle any more and never reaches the window again.
    skins.HotControl = first;
    DestroyWindow(buttons[0]);
    EXPECT_FALSE(first->Attached());
    EXPECT_EQ(first->Handle, nullptr);
    EXPECT_EQ(skins.HotControl, nullptr);
    EXPECT_EQ(skins.FindControlByHandle(buttons[0]), nullptr);
    skin_->Release();
    skin_ = nullptr;
    DestroyWindow(dialog);
}

TEST_F(Attachment, AControlFreedWhileAttachedIsNeverTouchedAgain) {
    TForm* form = NewForm();
    auto* panel = Place<TPanel>(form, 10, 10, 200, 80);
    auto* speed = Place<TSpeedButton>(form, 10, 100, 60, 25, "S");
    auto* button = Place<TButton>(form, 100, 100, 80, 25, "B");
    TControlSkins& skins = Skin(*form);
    const std::size_t count = skins.ControlList.size();
    ASSERT_GE(count, 3u);
    delete speed;
    delete panel;
    delete button;
    Pump();
    EXPECT_EQ(skins.ControlList.size(), count);
    for (const TSkinControl* object : skins.ControlList) EXPECT_FALSE(object->Attached());
    skin_->Unskin();  // no colour put back on a freed control, no crash
}

TEST_F(Attachment, HoverCyclesOverARowOfButtonsLeaveNoGdiObjectsBehind) {
    TForm* form = NewForm(520, 200);
    std::vector<TButton*> row;
    for (int i = 0; i < 5; ++i) row.push_back(Place<TButton>(form, 10 + i * 95, 20, 90, 30, "Hover"));
    Skin(*form);
    auto cycle = [&] {
        for (TButton* b : row) {
            SendMessageW(b->Handle(), CM_MOUSEENTER, 0, 0);
            SendMessageW(b->Handle(), CM_MOUSELEAVE, 0, 0);
        }
    };
    for (int i = 0; i < 20; ++i) cycle();
    const int before = LiveGdiObjects();
    for (int i = 0; i < 400; ++i) cycle();
    EXPECT_EQ(LiveGdiObjects(), before);
}

}  // namespace
}  // namespace korvane::testing
