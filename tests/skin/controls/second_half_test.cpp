// Which object the edits, lists, scroll bars, up-downs and tabs get, on
// framework forms and in plain dialogs, and how edits and headers read back.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "framework/win/edits.h"
#include "framework/win/list_boxes.h"
#include "framework/win/list_view.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/tab_controls.h"
#include "framework/win/up_down.h"
#include "skin/controls/skin_list_view.h"
#include "skinned_controls.h"

namespace korvane::testing {
namespace {

using SecondHalf = SkinnedControlsTest;

HWND Child(HWND parent, const wchar_t* cls, DWORD style, int y, int h = 24, DWORD ex_style = 0) {
    return CreateWindowExW(ex_style, cls, L"x", WS_CHILD | WS_VISIBLE | style, 10, y, 160, h, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST_F(SecondHalf, EachFrameworkKindGetsItsClass) {
    TForm* form = NewForm(640, 420);
    auto* edit = Place<TEdit>(form, 10, 10, 120, 24, "Edit");
    auto* plain_memo = Place<TMemo>(form, 10, 40, 120, 60);
    auto* memo = Place<TMemo>(form, 140, 40, 120, 60);
    memo->SetScrollBars(ssVertical);
    auto* combo = Place<TComboBox>(form, 10, 110, 120, 24);
    auto* bar = Place<TScrollBar>(form, 10, 140, 120, 17);
    auto* list = Place<TListBox>(form, 270, 10, 120, 90);
    auto* view = Place<TListView>(form, 270, 110, 200, 90);
    view->SetViewStyle(vsReport);
    view->Columns().Add().SetCaption("Name");
    auto* spin = Place<TUpDown>(form, 140, 10, 18, 24);
    auto* tabs = Place<TTabControl>(form, 10, 210, 200, 100);
    tabs->Tabs().SetText("One\nTwo\n");
    auto* pages = Place<TPageControl>(form, 220, 210, 200, 100);
    TControlSkins& skins = Skin(*form);
    EXPECT_EQ(KindOf(skins, edit->Handle()), "TSkinEdit");
    EXPECT_EQ(KindOf(skins, plain_memo->Handle()), "TSkinEdit");
    // A memo showing a scroll bar is scrollable before it is an edit.
    EXPECT_EQ(KindOf(skins, memo->Handle()), "TSkinScrollBar");
    EXPECT_EQ(KindOf(skins, combo->Handle()), "TSkinComBox");
    EXPECT_EQ(KindOf(skins, bar->Handle()), "TSkinScControl");
    EXPECT_EQ(KindOf(skins, list->Handle()), "TSkinScrollBar");
    EXPECT_EQ(KindOf(skins, view->Handle()), "TSkinListView");
    EXPECT_EQ(KindOf(skins, spin->Handle()), "TSkinUpDown");
    EXPECT_EQ(KindOf(skins, tabs->Handle()), "TSkinTab");
    EXPECT_EQ(KindOf(skins, pages->Handle()), "TSkinTab");
    // The list view's header is skinned by a header object of the same owner.
    auto* list_view = dynamic_cast<TSkinListView*>(skins.FindControlByHandle(view->Handle()));
    ASSERT_NE(list_view, nullptr);
    ASSERT_NE(list_view->Header, nullptr);
    const HWND header = reinterpret_cast<HWND>(SendMessageW(view->Handle(), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(KindOf(skins, header), "TSkinHeader");
    // The list view keeps the system's thumb dragging.
    EXPECT_FALSE(list_view->DragEnabled);
    EXPECT_TRUE(static_cast<TSkinScrollBar*>(skins.FindControlByHandle(memo->Handle()))->DragEnabled);
}

TEST_F(SecondHalf, PlainDialogEditsComboBoxesAndTabs) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_USEREX_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    HWND dialog = PlainWindow(L"Plain", WS_OVERLAPPEDWINDOW, 0, 60, 60, 420, 420);
    HWND edit = Child(dialog, L"Edit", 0, 10, 24, WS_EX_CLIENTEDGE);
    HWND drop = Child(dialog, L"ComboBox", CBS_DROPDOWNLIST, 40, 120);
    HWND simple = Child(dialog, L"ComboBox", CBS_SIMPLE, 70, 60);
    HWND ex = Child(dialog, L"ComboBoxEx32", CBS_DROPDOWN, 140, 120);
    HWND tab = Child(dialog, WC_TABCONTROLW, 0, 180, 60);
    HWND owner_drawn = Child(dialog, WC_TABCONTROLW, TCS_OWNERDRAWFIXED, 250, 60);
    ASSERT_TRUE(ex && tab && owner_drawn);
    auto& skins = SkinPlain(dialog);
    EXPECT_EQ(KindOf(skins, edit), "TSkinEdit");
    EXPECT_EQ(KindOf(skins, drop), "TSkinComBox");
    EXPECT_EQ(KindOf(skins, simple), "none");
    // A ComboBoxEx is skinned through the combo box inside it.
    EXPECT_EQ(KindOf(skins, ex), "none");
    EXPECT_EQ(KindOf(skins, GetWindow(ex, GW_CHILD)), "TSkinComBox");
    EXPECT_EQ(KindOf(skins, tab), "TSkinTab");
    EXPECT_EQ(KindOf(skins, owner_drawn), "none");
    // Classifying again adds nothing, the ComboBoxEx's combo box included.
    const std::size_t count = skins.ControlList.size();
    skins.ClassifyWindows(dialog);
    EXPECT_EQ(skins.ControlList.size(), count);

    // The edit's sunken border: one ring in ButtonShadow, the next two in
    // the DC's brush (white in a window DC) over the system's inner rings.
    const Image shot = Capture(edit);
    const Pixel shadow = to_pixel(ColorToRGB(Model().Colours.ButtonShadow));
    const Pixel white = pixel_rgb(255, 255, 255);
    int outer = 0, inner = 0;
    for (int x = 0; x < shot.width(); ++x) {
        outer += rgb_of(shot.at(x, 0)) != rgb_of(shadow);
        outer += rgb_of(shot.at(x, shot.height() - 1)) != rgb_of(shadow);
    }
    for (int y = 2; y < shot.height() - 2; ++y) {
        inner += rgb_of(shot.at(0, y)) != rgb_of(shadow);
        inner += rgb_of(shot.at(1, y)) != rgb_of(white);
    }
    EXPECT_EQ(outer, 0) << std::hex << rgb_of(shot.at(0, 0)) << " want " << rgb_of(shadow) << " size "
                        << std::dec << shot.width() << "x" << shot.height();
    EXPECT_EQ(inner, 0);
}

TEST_F(SecondHalf, AHeaderNarrowerThanItsWindowIsFilledWithTheBar) {
    ASSERT_TRUE(Model().Headerbar);
    TForm* form = NewForm(520, 300);
    auto* view = Place<TListView>(form, 10, 10, 480, 200);
    view->SetViewStyle(vsReport);
    for (const char* caption : {"Name", "Size"}) {
        auto& column = view->Columns().Add();
        column.SetCaption(caption);
        column.SetWidth(120);
    }
    Skin(*form);
    Pump();
    const HWND header = reinterpret_cast<HWND>(SendMessageW(view->Handle(), LVM_GETHEADER, 0, 0));
    RECT last{};
    ASSERT_TRUE(SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&last)));
    InvalidateRect(header, nullptr, TRUE);
    UpdateWindow(header);
    const Image shot = Capture(header);
    const Size rest{shot.width() - last.right, shot.height()};
    ASSERT_GT(rest.width, 0);
    const TDataSkinObject& bar = *Model().Headerbar;
    const Image expected = BuildNineSlice(rest, {bar.Bitmap.view(), 5, false}, 1,
                                          {bar.LeftWidth, bar.TopHeight, bar.RightWidth, bar.BottomHeight},
                                          bar.Tile != 0);
    EXPECT_EQ(Differences(shot, {last.right, 0}, expected), 0);
}

}  // namespace
}  // namespace korvane::testing
