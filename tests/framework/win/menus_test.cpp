#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/error.h"
#include "framework/core/layout_reader.h"
#include "framework/core/layout_writer.h"
#include "framework/win/graphics.h"
#include "framework/win/imglist.h"
#include "framework/win/menus.h"
#include "framework/win/window_proc_hook.h"
#include "framework/win/stdctrls.h"
#include "input_support.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

constexpr Pixel kRed = pixel_rgb(255, 0, 0);
constexpr Pixel kMagenta = pixel_rgb(255, 0, 255);

TMenuItem* NewItem(TComponent* owner, TMenuItem& parent, const std::string& caption, const std::string& name = {}) {
    auto* item = new TMenuItem(owner);
    if (!name.empty()) item->SetName(name);
    item->SetCaption(caption);
    parent.Add(item);
    return item;
}

// Two 16 × 16 images: red with a magenta (transparent) top-left quarter, and blue.
Image TwoImages() {
    Image strip(32, 16, pixel_rgb(0, 0, 255));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) strip.at(x, y) = x < 8 && y < 8 ? kMagenta : kRed;
    return strip;
}

struct EntryInfo {
    std::string text;
    UINT type = 0, state = 0, id = 0;
    HMENU sub_menu = nullptr;
};

EntryInfo Entry(HMENU menu, int position) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 128;
    EXPECT_TRUE(GetMenuItemInfoW(menu, UINT(position), TRUE, &info));
    return {narrow(text), info.fType, info.fState, info.wID, info.hSubMenu};
}

// Every entry's identifier, sub-menu entries included, at every depth.
void CollectIds(HMENU menu, std::vector<UINT>& ids) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        EntryInfo e = Entry(menu, i);
        ids.push_back(e.id);
        if (e.sub_menu) CollectIds(e.sub_menu, ids);
    }
}

// The visible popup menu window of a thread; null after ten seconds without one.
HWND WaitForPopupMenu(DWORD thread) {
    return WaitForWindow(thread, [](HWND w) { return ClassNameOf(w) == L"#32768"; });
}

class MenusTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        form_ = app_->CreateForm<TForm>();
        form_->SetBounds(100, 100, 400, 300);
        menu_ = new TMainMenu(form_);
        file_ = NewItem(form_, menu_->Items(), "&File", "File1");
        open_ = NewItem(form_, *file_, "&Open", "Open1");
        open_->SetShortCut(ShortCut('O', scCtrl));
        line_ = NewItem(form_, *file_, "-");
        recent_ = NewItem(form_, *file_, "&Recent");
        NewItem(form_, *recent_, "a.txt");
        exit_ = NewItem(form_, *file_, "E&xit", "Exit1");
        exit_->SetEnabled(false);
        view_ = NewItem(form_, menu_->Items(), "&View", "View1");
        small_ = NewItem(form_, *view_, "&Small", "Small1");
        large_ = NewItem(form_, *view_, "&Large", "Large1");
        for (TMenuItem* radio : {small_, large_}) radio->SetRadioItem(true);
        small_->SetChecked(true);
        for (TMenuItem* item : {file_, open_, exit_, view_, small_, large_})
            item->OnClick = [this](TObject* sender) {
                clicks_.push_back(static_cast<TMenuItem*>(sender)->Name());
            };
        form_->SetMenu(menu_);
    }

    // Handles messages until `count` clicks were seen (or two seconds passed).
    void PumpUntilClicks(std::size_t count) {
        PumpUntil([&] { return clicks_.size() >= count; });
    }

    TForm* form_;
    TMainMenu* menu_;
    TMenuItem *file_, *open_, *line_, *recent_, *exit_, *view_, *small_, *large_;
    std::vector<std::string> clicks_;
};

TEST_F(MenusTest, TheWindowMenuShowsTheItemsWithStatesTextsAndDropDowns) {
    form_->Show();
    HMENU bar = GetMenu(form_->Handle());
    ASSERT_EQ(bar, menu_->Handle());
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EntryInfo file = Entry(bar, 0);
    EXPECT_EQ(file.text, "&File");
    EXPECT_EQ(file.id, UINT(file_->Command()));
    EXPECT_EQ(file.sub_menu, file_->Handle());

    HMENU drop_down = file_->Handle();
    ASSERT_EQ(GetMenuItemCount(drop_down), 4);
    EXPECT_EQ(Entry(drop_down, 0).text, "&Open\tCtrl+O");
    EXPECT_EQ(Entry(drop_down, 1).type & MFT_SEPARATOR, UINT(MFT_SEPARATOR));
    EXPECT_EQ(Entry(drop_down, 2).sub_menu, recent_->Handle());
    EXPECT_EQ(Entry(drop_down, 3).state & MFS_GRAYED, UINT(MFS_GRAYED));

    // Radio items: checking one unchecks the other, in the system menu too.
    HMENU view = view_->Handle();
    EXPECT_EQ(Entry(view, 0).type & MFT_RADIOCHECK, UINT(MFT_RADIOCHECK));
    EXPECT_EQ(Entry(view, 0).state & MFS_CHECKED, UINT(MFS_CHECKED));
    large_->SetChecked(true);
    EXPECT_FALSE(small_->Checked());
    EXPECT_EQ(Entry(view, 0).state & MFS_CHECKED, 0u);
    EXPECT_EQ(Entry(view, 1).state & MFS_CHECKED, UINT(MFS_CHECKED));

    // A hidden item leaves the drop-down; shown again it is back in its place.
    open_->SetVisible(false);
    ASSERT_EQ(GetMenuItemCount(drop_down), 3);
    EXPECT_EQ(Entry(drop_down, 2).text, "E&xit");
    open_->SetVisible(true);
    EXPECT_EQ(Entry(drop_down, 0).text, "&Open\tCtrl+O");

    // Every entry has an identifier of its own, those with drop-downs too.
    std::vector<UINT> ids;
    CollectIds(bar, ids);
    EXPECT_EQ(ids.size(), 9u);
    EXPECT_EQ(std::set<UINT>(ids.begin(), ids.end()).size(), ids.size());
}

TEST_F(MenusTest, AChangeGivesTheWindowItsMenuBackAndSendsMenuChanged) {
    form_->Show();
    int changes = 0;
    WindowProcHook count(*form_, [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == CM_MENUCHANGED) ++changes;
        next(m);
    });
    // Someone else draws the bar and took the menu off the window.
    SetMenu(form_->Handle(), nullptr);
    file_->SetCaption("&Document");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(GetMenu(form_->Handle()), menu_->Handle());
    EXPECT_EQ(Entry(menu_->Handle(), 0).text, "&Document");
    NewItem(form_, *view_, "&Tiny");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(GetMenuItemCount(view_->Handle()), 3);
    // The form keeps its client size when its menu goes.
    Rect client = form_->ClientRect();
    form_->SetMenu(nullptr);
    EXPECT_EQ(GetMenu(form_->Handle()), nullptr);
    EXPECT_EQ(form_->ClientRect(), client);
    EXPECT_EQ(changes, 3);
}

TEST_F(MenusTest, CommandsAndShortcutsReachTheItemsWhenTheWindowHasNoMenu) {
    auto* button = new TButton(form_);
    button->SetParent(form_);
    button->SetBounds(10, 10, 80, 25);
    form_->SetActiveControl(button);
    form_->Show();
    Pump();
    SetMenu(form_->Handle(), nullptr);

    PostMessageW(form_->Handle(), WM_COMMAND, WPARAM(open_->Command()), 0);
    // A drop-down's entry carries a command too (its parent's OnClick).
    PostMessageW(form_->Handle(), WM_COMMAND, WPARAM(file_->Command()), 0);
    PumpUntilClicks(2);
    EXPECT_EQ(clicks_, (std::vector<std::string>{"Open1", "File1"}));

    // Ctrl+O with the focus on the button: the parent's OnClick, then the item's.
    clicks_.clear();
    ASSERT_EQ(GetFocus(), button->Handle());
    PressKeys({VK_CONTROL, 'O'});
    PumpUntilClicks(2);
    EXPECT_EQ(clicks_, (std::vector<std::string>{"File1", "Open1"}));

    // A disabled item's shortcut does nothing.
    clicks_.clear();
    open_->SetEnabled(false);
    PressKeys({VK_CONTROL, 'O'});
    Pump();
    PressKeys({VK_CONTROL, 'O'});
    PumpUntilClicks(3);
    EXPECT_EQ(clicks_, (std::vector<std::string>{"File1", "File1"}));
}

TEST_F(MenusTest, ClicksOnTheBarAndTheDropDownRunTheItem) {
    form_->Show();
    Pump();
    HWND window = form_->Handle();
    HMENU bar = menu_->Handle();
    HMENU drop_down = file_->Handle();
    UserDriver user([&](DWORD ui) {
        RECT entry;
        GetMenuItemRect(window, bar, 0, &entry);
        ClickAt(CentreOf(entry));
        if (!WaitForPopupMenu(ui)) return;
        Sleep(100);
        RECT open;
        GetMenuItemRect(nullptr, drop_down, 0, &open);
        ClickAt(CentreOf(open));
    });
    PumpUntilClicks(2);
    EXPECT_EQ(clicks_, (std::vector<std::string>{"File1", "Open1"}));
}

TEST_F(MenusTest, AltAndTheAcceleratorsOpenTheDropDownAndRunTheItem) {
    form_->Show();
    Pump();
    UserDriver user([&](DWORD ui) {
        PressKeys({VK_MENU, 'V'});
        if (!WaitForPopupMenu(ui)) return;
        Sleep(100);
        PressKeys({'L'});
    });
    PumpUntilClicks(2);
    EXPECT_EQ(clicks_, (std::vector<std::string>{"View1", "Large1"}));
}

TEST_F(MenusTest, ARightClickOpensTheFormsContextMenuAndTheChosenItemRuns) {
    auto* popup = new TPopupMenu(form_);
    NewItem(form_, popup->Items(), "&Copy", "Copy1");
    TMenuItem* paste = NewItem(form_, popup->Items(), "&Paste", "Paste1");
    paste->OnClick = [this](TObject*) { clicks_.push_back("Paste1"); };
    popup->OnPopup = [this](TObject*) { clicks_.push_back("popup"); };
    form_->SetPopupMenu(popup);
    form_->Show();
    Pump();
    Point inside = form_->ClientToScreen({200, 150});
    UserDriver user([&](DWORD ui) {
        ClickAt(inside, true);
        HWND shown = WaitForPopupMenu(ui);
        if (!shown) return;
        Sleep(100);
        RECT entry;
        GetMenuItemRect(nullptr, popup->Handle(), 1, &entry);  // null: the popup's own window
        ClickAt(CentreOf(entry));
    });
    PumpUntilClicks(2);
    EXPECT_EQ(clicks_, (std::vector<std::string>{"popup", "Paste1"}));
}

TEST_F(MenusTest, PopupPlacesTheMenuByItsAlignmentAndReturnsWhenItCloses) {
    auto* popup = new TPopupMenu(form_);
    NewItem(form_, popup->Items(), "&Copy");
    NewItem(form_, popup->Items(), "&Paste");
    form_->Show();
    Pump();
    for (TPopupAlignment alignment : {paLeft, paRight}) {
        popup->SetAlignment(alignment);
        RECT shown{};
        UserDriver user([&](DWORD ui) {
            HWND menu = WaitForPopupMenu(ui);
            if (!menu) return;
            Sleep(100);
            GetWindowRect(menu, &shown);
            PressKeys({VK_ESCAPE});
        });
        popup->Popup(300, 200);
        EXPECT_EQ(shown.top, 200);
        if (alignment == paLeft) EXPECT_EQ(shown.left, 300);
        else EXPECT_EQ(shown.right, 300);
    }
}

// Sends the owner-draw messages the system sends for a menu item to the form.
struct OwnerDrawn {
    static Size Measure(HWND window, const TMenuItem& item) {
        MEASUREITEMSTRUCT request{};
        request.CtlType = ODT_MENU;
        request.itemID = UINT(item.Command());
        SendMessageW(window, WM_MEASUREITEM, 0, LPARAM(&request));
        return {int(request.itemWidth), int(request.itemHeight)};
    }
    static void Draw(HWND window, const TMenuItem& item, TBitmap& target, bool selected) {
        DRAWITEMSTRUCT request{};
        request.CtlType = ODT_MENU;
        request.itemID = UINT(item.Command());
        request.itemState = selected ? ODS_SELECTED : 0;
        request.hDC = target.Canvas().Handle();
        request.rcItem = RECT{0, 0, target.Width(), target.Height()};
        SendMessageW(window, WM_DRAWITEM, 0, LPARAM(&request));
    }
};

TEST_F(MenusTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheItemOrItsHandlers) {
    auto* images = new TImageList(form_);
    images->Add(TwoImages());
    menu_->SetImages(images);
    EXPECT_TRUE(menu_->IsOwnerDraw());
    form_->Show();
    // No text in the system menu: the items draw themselves.
    EXPECT_EQ(Entry(file_->Handle(), 0).type & MFT_OWNERDRAW, UINT(MFT_OWNERDRAW));
    EXPECT_EQ(Entry(file_->Handle(), 0).text, "");

    HWND window = form_->Handle();
    EXPECT_EQ(OwnerDrawn::Measure(window, *line_).height, 8);
    Size plain = OwnerDrawn::Measure(window, *exit_);
    // A handler adjusts what the item measured (as a skin adds its margins).
    exit_->OnMeasureItem = [](TObject*, TCanvas&, int& width, int& height) {
        width += 28;
        height += 4;
    };
    Size adjusted = OwnerDrawn::Measure(window, *exit_);
    EXPECT_EQ(adjusted, (Size{plain.width + 28, plain.height + 4}));

    // The default drawing: the image in the 16 × 16 box at (2, 2), its magenta
    // pixels left out over the menu colour; selected, the highlight colour.
    open_->SetImageIndex(0);
    TBitmap target;
    target.SetSize(120, 20);
    OwnerDrawn::Draw(window, *open_, target, false);
    const Pixel menu_colour = to_pixel(Color(ColorToRGB(clMenu)));
    EXPECT_EQ(rgb_of(target.View().at(2 + 12, 2 + 12)), rgb_of(kRed));
    EXPECT_EQ(rgb_of(target.View().at(2 + 3, 2 + 3)), rgb_of(menu_colour));
    EXPECT_EQ(rgb_of(target.View().at(110, 1)), rgb_of(menu_colour));
    OwnerDrawn::Draw(window, *open_, target, true);
    EXPECT_EQ(rgb_of(target.View().at(2 + 3, 2 + 3)), rgb_of(to_pixel(Color(ColorToRGB(clHighlight)))));
    EXPECT_EQ(rgb_of(target.View().at(2 + 12, 2 + 12)), rgb_of(kRed));

    // A draw handler replaces the default drawing and gets the item's rectangle.
    Rect drawn_rect;
    bool drawn_selected = false;
    open_->OnDrawItem = [&](TObject*, TCanvas& canvas, Rect rect, bool selected) {
        drawn_rect = rect;
        drawn_selected = selected;
        canvas.Brush().SetColor(clLime);
        canvas.FillRect(rect);
    };
    OwnerDrawn::Draw(window, *open_, target, true);
    EXPECT_EQ(drawn_rect, Rect::from_size(0, 0, 120, 20));
    EXPECT_TRUE(drawn_selected);
    EXPECT_EQ(rgb_of(target.View().at(2 + 12, 2 + 12)), rgb_of(pixel_rgb(0, 255, 0)));
}

TEST_F(MenusTest, AnOwnerDrawnDropDownShowsTheItemImagesOnScreen) {
    auto* images = new TImageList(form_);
    images->Add(TwoImages());
    menu_->SetImages(images);
    open_->SetImageIndex(1);  // blue
    form_->Show();
    Pump();
    HWND window = form_->Handle();
    HMENU bar = menu_->Handle();
    HMENU drop_down = file_->Handle();
    COLORREF image_pixel = 0;
    UserDriver user([&](DWORD ui) {
        RECT entry;
        GetMenuItemRect(window, bar, 0, &entry);
        ClickAt(CentreOf(entry));
        if (!WaitForPopupMenu(ui)) return;
        Sleep(300);
        RECT open;
        GetMenuItemRect(nullptr, drop_down, 0, &open);
        HDC screen = GetDC(nullptr);
        image_pixel = GetPixel(screen, open.left + 2 + 8, open.top + (open.bottom - open.top - 16) / 2 + 8);
        ReleaseDC(nullptr, screen);
        PressKeys({VK_ESCAPE});
        PressKeys({VK_ESCAPE});
        clicks_.push_back("done");
    });
    PumpUntil([&] { return !clicks_.empty() && clicks_.back() == "done"; });
    EXPECT_EQ(image_pixel, RGB(0, 0, 255));
}

TEST_F(MenusTest, MenusAndImagesTravelInAStoredLayout) {
    auto* images = new TImageList(form_);
    images->SetName("Images1");
    images->Add(TwoImages());
    menu_->SetName("MainMenu1");
    menu_->SetImages(images);
    open_->SetImageIndex(1);
    auto* popup = new TPopupMenu(form_);
    popup->SetName("PopupMenu1");
    popup->SetAlignment(paRight);
    popup->SetAutoPopup(false);
    NewItem(form_, popup->Items(), "&Copy", "Copy1")->SetTag(999);
    form_->SetPopupMenu(popup);
    form_->SetName("MenuForm");

    const std::string text = WriteLayout(*form_);
    EXPECT_NE(text.find("  Menu = MainMenu1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    object File1: TMenuItem\n      Caption = '&File'\n      object Open1: TMenuItem\n"
                        "        Caption = '&Open'\n        ImageIndex = 1\n        ShortCut = 16463\n      end\n"),
              std::string::npos)
        << text;

    TForm copy(nullptr);
    ReadLayout(text, copy);
    EXPECT_EQ(WriteLayout(copy), text);
    auto* menu = dynamic_cast<TMainMenu*>(copy.FindComponent("MainMenu1"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(copy.Menu(), menu);
    ASSERT_EQ(menu->Items().Count(), 2);
    TMenuItem* file = menu->Items().Items(0);
    EXPECT_EQ(file->Name(), "File1");
    ASSERT_EQ(file->Count(), 4);
    EXPECT_EQ(file->Items(0)->ShortCut(), ShortCut('O', scCtrl));
    EXPECT_EQ(file->Items(2)->Count(), 1);
    EXPECT_TRUE(menu->Items().Items(1)->Items(0)->Checked());
    ASSERT_NE(menu->Images(), nullptr);
    EXPECT_EQ(menu->Images()->Count(), 2);
    auto* copied_popup = dynamic_cast<TPopupMenu*>(copy.PopupMenu());
    ASSERT_NE(copied_popup, nullptr);
    EXPECT_EQ(copied_popup->Alignment(), paRight);
    EXPECT_FALSE(copied_popup->AutoPopup());
    EXPECT_EQ(copied_popup->Items().Items(0)->Tag(), 999);
}

TEST_F(MenusTest, AnImageListDrawsItsCellsTransparentlyAndGreyedWhenDisabled) {
    TImageList images(nullptr);
    EXPECT_THROW(images.Add(Image(20, 16)), Error);
    EXPECT_THROW(images.Add(Image(16, 15)), Error);
    EXPECT_EQ(images.Add(TwoImages()), 0);
    EXPECT_EQ(images.Add(Image(16, 16, pixel_rgb(0, 255, 0))), 2);
    EXPECT_EQ(images.Count(), 3);

    TBitmap target;
    target.SetSize(40, 16);
    target.MutableView().at(0, 0) = pixel_rgb(1, 2, 3);
    images.Draw(target.Canvas(), 0, 0, 0);
    images.Draw(target.Canvas(), 20, 0, 0, false);
    images.Draw(target.Canvas(), 0, 0, 7);  // outside the list: nothing
    ImageView v = target.View();
    EXPECT_EQ(rgb_of(v.at(0, 0)), rgb_of(pixel_rgb(1, 2, 3)));  // transparent pixel left out
    EXPECT_EQ(rgb_of(v.at(12, 12)), rgb_of(kRed));
    // Red (brightness 30 %) in the greys: 128 + 76 * 96 / 255 = 156.
    EXPECT_EQ(rgb_of(v.at(32, 12)), rgb_of(pixel_rgb(156, 156, 156)));
    EXPECT_EQ(rgb_of(v.at(20, 0)), rgb_of(pixel_rgb(255, 255, 255)));
    EXPECT_EQ(ImageList_GetImageCount(images.Handle()), 3);

    images.SetWidth(8);
    EXPECT_EQ(images.Count(), 0);
}

}  // namespace
}  // namespace korvane::testing
