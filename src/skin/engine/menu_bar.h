#pragma once
// The skinned menu bar. A skinned window with a menu loses its system menu
// bar: TWinSkinMenu keeps the menu, draws the bar from the skin in a band
// below the caption, and opens the entries' drop-downs itself. Each
// top-level entry is a TMenuBtn, a non-client object with hot and pressed
// states. While a drop-down is open, a message filter of the menu loop lets
// the mouse and the Left/Right keys move to the next entry, as on a system
// menu bar: the loop is ended and a press on the other entry is posted,
// which opens it once the loop has returned (never inside it).

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "framework/core/component.h"
#include "framework/win/bitmap.h"
#include "skin/engine/nc_objects.h"

namespace korvane {

class TMainMenu;
class TMenuItem;
class TSkinData;
class TWinSkinMenu;

class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TWinSkinForm& owner, TWinSkinMenu& bar) : TNCObject(owner), Bar(&bar) {}

    // Repaints the entry alone on the window.
    void Paint() override;

    TSkinData* SkinData = nullptr;
    int Index = 0;
    std::string Caption;  // "&" marks the accelerator
    bool Enabled = true;
    HMENU SubMenu = nullptr;
    int ID = 0;
    TWinSkinMenu* Bar;
};

class TWinSkinMenu : public TComponent {
public:
    static constexpr std::string_view kClassName = "TWinSkinMenu";

    explicit TWinSkinMenu(TWinSkinForm& form);
    // Gives the window its menu back and the menu items their own look.
    ~TWinSkinMenu() override;
    std::string_view ClassName() const override { return kClassName; }

    // Reads the entries from the window's menu, then takes the menu off the
    // window (a window without one keeps the entries it had).
    void RebuildItems();
    // The whole bar at r (window coordinates) on the window DC.
    void PaintBar(HDC dc, const Rect& r);
    // One entry, on the window DC.
    void PaintEntry(TMenuBtn& entry);
    // The entry under a point in window coordinates; null for none.
    TMenuBtn* ItemAt(Point p) const;
    // Posts the entry's command and tracks its drop-down; false when it has none.
    bool OpenItem(TMenuBtn& entry);
    // Ends a running menu loop and posts a press on the entry, which opens it.
    void ClickItem(TMenuBtn& entry);
    // The first enabled entry whose accelerator is the character.
    TMenuBtn* FindAccelItem(wchar_t c) const;
    void StartTracking();
    void StopTracking();
    // WM_MENUSELECT of the tracked drop-down: which item is selected, and
    // the end of the menu.
    void Selected(WPARAM wparam, LPARAM lparam);

    // Every item of the menu, at every depth, drawn by the window (the
    // skinned item drawing); the items switched are remembered and switched
    // back when the bar goes.
    void SwitchToOwnerDraw(HMENU menu);

    std::vector<std::unique_ptr<TMenuBtn>> Items;
    TMainMenu* Menu = nullptr;
    Rect BarRect;
    TSkinData* SkinData = nullptr;
    TWinSkinForm* Form;
    TBitmap BarBackground;
    int ItemCount = 0;
    bool Painting = false;
    HMENU MenuHandle = nullptr;

    // The one menu tracked at a time.
    static TWinSkinMenu* Tracking() { return tracking_; }

private:
    static LRESULT CALLBACK FilterProcedure(int code, WPARAM wparam, LPARAM lparam);
    // The message filter's look at one message of the menu loop; true when
    // it switched to another entry (the message is then dropped).
    bool Filter(const MSG& msg);
    void DrawEntryCaption(HDC dc, const TMenuBtn& entry, const Rect& r) const;
    // An MDI frame whose active child is maximised: the child's three buttons
    // (the title-bar buttons of the bar row) over the bar's picture, laid out
    // at r in window coordinates.
    void PaintChildButtons(TBitmap& bar, const Rect& r);
    void RestoreOwnerDraw();

    struct SwitchedItem {
        HMENU menu;
        UINT position;
    };
    std::vector<SwitchedItem> switched_;
    static TWinSkinMenu* tracking_;
};

}  // namespace korvane
