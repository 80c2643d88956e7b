#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/win/list_view.h"
#include "user_input.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using ListViewTest = FrameworkTest;

std::string CellText(HWND view, int item, int sub_item) {
    wchar_t text[64] = {};
    LVITEMW lv{};
    lv.iSubItem = sub_item;
    lv.pszText = text;
    lv.cchTextMax = 64;
    SendMessageW(view, LVM_GETITEMTEXTW, WPARAM(item), reinterpret_cast<LPARAM>(&lv));
    return narrow(text);
}

TEST_F(ListViewTest, ReportViewShowsColumnsAndItemsAndReportsSelectionAndColumnClicks) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 400, 300);
    auto* view = new TListView(form);
    view->SetParent(form);
    view->SetBounds(10, 10, 300, 200);
    view->SetViewStyle(vsReport);
    view->SetRowSelect(true);
    for (const char* caption : {"File", "Size"}) {
        TListColumn& column = view->Columns().Add();
        column.SetCaption(caption);
        column.SetWidth(120);
    }
    view->Columns().Items(1).SetAlignment(taRightJustify);
    view->BeginUpdate();
    for (int i = 0; i < 3; ++i) {
        TListItem& item = view->Items().Add();
        item.SetCaption("file" + std::to_string(i) + ".txt");
        item.SubItems().Add(std::to_string((i + 1) * 100));
    }
    view->EndUpdate();
    std::vector<std::string> log;
    view->OnSelectItem = [&](TObject*, TListItem& item, bool selected) {
        log.push_back((selected ? "select " : "unselect ") + item.Caption());
    };
    view->OnColumnClick = [&](TObject*, TListColumn& column) { log.push_back("column " + column.Caption()); };
    form->Show();
    Pump();
    HWND window = view->Handle();
    ASSERT_EQ(SendMessageW(window, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(CellText(window, 1, 0), "file1.txt");
    EXPECT_EQ(CellText(window, 2, 1), "300");
    EXPECT_EQ(SendMessageW(window, LVM_GETCOLUMNWIDTH, 1, 0), 120);
    EXPECT_EQ(SendMessageW(window, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT,
              LVS_EX_FULLROWSELECT);
    HWND header = reinterpret_cast<HWND>(SendMessageW(window, LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);

    // A click on the second line's size selects the line.
    RECT line;
    line.left = LVIR_BOUNDS;
    SendMessageW(window, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
    MoveMouseTo(window, {200, (line.top + line.bottom) / 2});
    LeftDown();
    LeftUp();
    PumpUntil([&] { return log.size() == 1; });
    EXPECT_EQ(view->ItemIndex(), 1);
    TypeKey(VK_DOWN);
    PumpUntil([&] { return log.size() == 3; });
    EXPECT_EQ(view->ItemIndex(), 2);

    RECT title;
    SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&title));
    MoveMouseTo(header, {(title.left + title.right) / 2, (title.top + title.bottom) / 2});
    LeftDown();
    LeftUp();
    PumpUntil([&] { return log.size() == 4; });
    EXPECT_EQ(log, (std::vector<std::string>{"select file1.txt", "unselect file1.txt", "select file2.txt",
                                             "column Size"}));

    // Changes of items reach the window; the selection stays where it was.
    view->Items().Items(0).SubItems().SetStrings(0, "1 KB");
    EXPECT_EQ(CellText(window, 0, 1), "1 KB");
    view->Items().Add().SetCaption("new.txt");
    EXPECT_EQ(SendMessageW(window, LVM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_EQ(CellText(window, 3, 0), "new.txt");
    EXPECT_EQ(view->ItemIndex(), 2);
    EXPECT_EQ(log.size(), 4u);  // refilling the window is no user's selection
    view->Items().Delete(0);
    EXPECT_EQ(CellText(window, 0, 0), "file1.txt");
    // Another view style keeps items and selection.
    view->SetViewStyle(vsList);
    EXPECT_EQ(GetWindowLongPtrW(view->Handle(), GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);
    EXPECT_EQ(SendMessageW(view->Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
}

}  // namespace
}  // namespace korvane::testing
