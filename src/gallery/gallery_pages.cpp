#include "gallery/gallery_pages.h"

#include <memory>
#include <utility>

#include "framework/win/application.h"
#include "framework/win/dtpicker.h"
#include "gallery/gallery_menus.h"
#include "framework/win/menus.h"
#include "framework/win/stdctrls.h"
#include "framework/win/tabset.h"
#include "framework/win/toolbar.h"

namespace korvane {

namespace {

TToolButton* AddButton(TToolBar& bar, TToolButtonStyle style, int image, const std::string& caption,
                       const std::function<void(const std::string&)>& report) {
    auto* button = new TToolButton(bar.Owner());
    button->SetStyle(style);
    button->SetImageIndex(image);
    button->SetCaption(caption);
    if (style != tbsSeparator)
        button->OnClick = [button, report](TObject*) {
            report("tool bar: " + button->Caption() + (button->Down() ? " (down)" : ""));
        };
    bar.AddButton(button);
    return button;
}

// An MDI child with a line of text.
TForm* NewMdiChild(TForm& frame, int number) {
    auto* child = new TForm(&frame);
    child->SetCaption("Document " + std::to_string(number));
    child->SetBounds(10 + 20 * (number - 1), 10 + 20 * (number - 1), 220, 140);
    child->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    auto* text = new TLabel(child);
    text->SetParent(child);
    text->SetBounds(10, 10, 0, 0);
    text->SetCaption("MDI child " + std::to_string(number));
    child->SetFormStyle(fsMDIChild);
    return child;
}

TMenuItem* MenuEntry(TForm& owner, TMenuItem& parent, const std::string& caption, std::function<void()> action,
                     TShortCut shortcut = scNone) {
    auto* item = new TMenuItem(&owner);
    item->SetCaption(caption);
    item->SetShortCut(shortcut);
    if (action) item->OnClick = [action](TObject*) { action(); };
    parent.Add(item);
    return item;
}

}  // namespace

int AddGalleryToolBar(TForm& form, TImageList* images, std::function<void(const std::string&)> report) {
    auto* bar = new TToolBar(&form);
    bar->SetParent(&form);
    bar->SetFlat(true);
    bar->SetImages(images);
    AddButton(*bar, tbsButton, imgOpen, "Open", report);
    AddButton(*bar, tbsButton, imgSave, "Save", report);
    AddButton(*bar, tbsSeparator, -1, "", report);
    AddButton(*bar, tbsCheck, imgCopy, "Copy mode", report)->SetDown(true);
    for (auto [image, caption] : {std::pair{imgPaste, "Paste A"}, std::pair{imgPaste, "Paste B"}})
        AddButton(*bar, tbsCheck, image, caption, report)->SetGrouped(true);
    AddButton(*bar, tbsSeparator, -1, "", report);
    AddButton(*bar, tbsButton, imgAbout, "About", report)->SetEnabled(false);
    return bar->Height();
}

void AddGalleryTabsAndDates(TForm& form, int y, std::function<void(const std::string&)> report) {
    auto* tabs = new TTabSet(&form);
    tabs->SetParent(&form);
    tabs->SetBounds(8, y, 200, 21);
    for (const char* tab : {"Sheet 1", "Sheet 2", "Sheet 3", "Summary", "Notes"}) tabs->Tabs().Add(tab);
    tabs->SetTabIndex(0);
    tabs->OnChange = [tabs, report](TObject*) { report("tab set: " + tabs->Tabs().Strings(tabs->TabIndex())); };

    auto* date = new TDateTimePicker(&form);
    date->SetParent(&form);
    date->SetBounds(216, y, 110, 22);
    date->OnChange = [date, report](TObject*) {
        CalendarDate d = DateOfDay(date->Date());
        report("date: " + std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day));
    };
    auto* time = new TDateTimePicker(&form);
    time->SetParent(&form);
    time->SetKind(dtkTime);
    time->SetBounds(334, y, 98, 22);
}

TForm* ShowGalleryMdiFrame() {
    auto* frame = new TForm(Application);
    frame->SetCaption("Korvane gallery: MDI");
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(120, 120, 520, 380);
    frame->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    auto* menu = new TMainMenu(frame);
    auto* file = MenuEntry(*frame, menu->Items(), "&File", nullptr);
    auto children = std::make_shared<int>(0);
    auto new_child = [frame, children] { NewMdiChild(*frame, ++*children); };
    MenuEntry(*frame, *file, "&New child", new_child, ShortCut('N', scCtrl));
    MenuEntry(*frame, *file, "-", nullptr);
    MenuEntry(*frame, *file, "&Close", [frame] { frame->Close(); });
    auto* window = MenuEntry(*frame, menu->Items(), "&Window", nullptr);
    MenuEntry(*frame, *window, "&Tile", [frame] { frame->Tile(); });
    MenuEntry(*frame, *window, "&Cascade", [frame] { frame->Cascade(); });
    frame->SetMenu(menu);
    frame->SetWindowMenu(window);
    frame->Show();
    for (int i = 0; i < 3; ++i) new_child();
    return frame;
}

}  // namespace korvane
