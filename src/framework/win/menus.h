#pragma once
// Menus: TMainMenu (a form's menu bar), TPopupMenu (a context menu) and their
// TMenuItem trees.
//
// Every item has a command number of its own, unique in the program and
// kept for the item's life; it is the item's identifier in the system menu,
// sub-menu entries included. WM_COMMAND, the owner-draw messages and
// WM_INITMENUPOPUP find their item through these numbers and the items'
// menu handles alone (DispatchMenuMessage), so a form's commands and
// shortcuts keep working when someone takes the menu off its window (a
// skinned menu bar does).
//
// Items are components owned by the form, nested under their menu in a
// stored layout; an item frees its sub-items. A menu builds its system menu
// when first asked for its Handle and keeps it in step with every change,
// then tells its form (CM_MENUCHANGED).
//
// Owner drawing: when the menu's OwnerDraw is set or it has Images, its items
// are owner-drawn (no text in the system menu); an item measures and draws
// itself unless it has OnMeasureItem / OnDrawItem.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/win/control.h"
#include "framework/win/shortcut.h"

namespace korvane {

class TMenu;
class TImageList;

using TMenuDrawItemEvent = std::function<void(TObject* sender, TCanvas& canvas, Rect rect, bool selected)>;
using TMenuMeasureItemEvent = std::function<void(TObject* sender, TCanvas& canvas, int& width, int& height)>;

class TMenuItem : public TComponent {
public:
    static constexpr std::string_view kClassName = "TMenuItem";

    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // "&File": the character after "&" is the accelerator; "-" is a separator.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool IsLine() const { return caption_ == "-"; }
    TShortCut ShortCut() const { return shortcut_; }
    void SetShortCut(TShortCut shortcut);
    // Checking a radio item unchecks the radio items of its group among its siblings.
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool RadioItem() const { return radio_item_; }
    void SetRadioItem(bool value);
    int GroupIndex() const { return group_index_; }
    void SetGroupIndex(int index);
    // The default item is drawn bold.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Hidden items are left out of the system menu.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // An image of the menu's Images; -1 for none.
    int ImageIndex() const { return image_index_; }
    void SetImageIndex(int index);

    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(std::size_t(index)); }
    int IndexOf(const TMenuItem* item) const;
    // Takes an item that has no parent; fails with an Error for one that has.
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    TMenuItem* Parent() const { return parent_; }
    // The menu at the root of the tree; null while the item is in none.
    TMenu* GetParentMenu() const;

    int Command() const { return command_; }
    // The item's drop-down, made when first asked for; null while the item
    // has no sub-items.
    HMENU Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }

    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

    virtual void Click();
    // The default look of an owner-drawn item, used when OnDrawItem / OnMeasureItem are not set.
    void DrawItem(TCanvas& canvas, Rect rect, bool selected);
    void MeasureItem(TCanvas& canvas, int& width, int& height);

private:
    friend class TMenu;
    void Changed();
    // Fills the drop-down again from the visible sub-items.
    void RebuildHandle();
    void InsertInto(HMENU menu, UINT position);
    void DestroyHandle();
    bool OnMenuBar() const;

    std::string caption_;
    TShortCut shortcut_ = scNone;
    bool checked_ = false;
    bool radio_item_ = false;
    int group_index_ = 0;
    bool default_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    int image_index_ = -1;
    int command_ = 0;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on a menu's root item only
    std::vector<TMenuItem*> items_;
    HMENU handle_ = nullptr;
};

enum TFindItemKind { fkCommand, fkHandle, fkShortCut };

class TMenu : public TComponent {
public:
    static constexpr std::string_view kClassName = "TMenu";

    ~TMenu() override;

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // The root item; its sub-items are the menu's entries.
    TMenuItem& Items() { return *items_; }
    const TMenuItem& Items() const { return *items_; }
    HMENU Handle() { return items_->Handle(); }

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    bool OwnerDraw() const { return owner_draw_; }
    void SetOwnerDraw(bool value);
    // Items are owner-drawn when OwnerDraw is set or the menu has images.
    bool IsOwnerDraw() const { return owner_draw_ || images_; }

    // The item with that command, drop-down handle or shortcut; null when none.
    TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind) const;
    // The same over every menu of the program.
    static TMenuItem* FindMenuItem(UINT_PTR value, TFindItemKind kind);
    // Runs the item of an enabled shortcut (its parents and itself enabled
    // and visible); false when the menu has none.
    bool IsShortCut(TShortCut shortcut);

    // A menu on a menu bar (TMainMenu) versus a drop-down.
    virtual bool IsMenuBar() const { return false; }

protected:
    explicit TMenu(TComponent* owner);
    void Notification(TComponent* component, TOperation operation) override;
    // After every change of the items: the main menu tells its form.
    virtual void MenuChanged() {}

private:
    friend class TMenuItem;
    TMenuItem* items_;  // owned as a component of the menu
    TImageList* images_ = nullptr;
    bool owner_draw_ = false;
};

class TMainMenu : public TMenu {
public:
    static constexpr std::string_view kClassName = "TMainMenu";
    explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
    std::string_view ClassName() const override { return kClassName; }
    bool IsMenuBar() const override { return true; }

protected:
    void MenuChanged() override;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
public:
    static constexpr std::string_view kClassName = "TPopupMenu";
    explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // Where the menu stands against the point it pops up at.
    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment alignment) { alignment_ = alignment; }
    // Whether a right click on the form that has the menu opens it.
    bool AutoPopup() const { return auto_popup_; }
    void SetAutoPopup(bool value) { auto_popup_ = value; }
    // Shows the menu at a screen point and waits until it closes; the chosen
    // item's OnClick runs before Popup returns.
    virtual void Popup(int x, int y);

    TNotifyEvent OnPopup;

private:
    TPopupAlignment alignment_ = paLeft;
    bool auto_popup_ = true;
};

// The menu messages of any window showing a framework menu: WM_COMMAND of a
// menu command, WM_INITMENUPOPUP (the parent item's OnClick), and
// WM_MEASUREITEM / WM_DRAWITEM of owner-drawn items. True when the message
// was one of them and is answered.
bool DispatchMenuMessage(TMessage& message);

}  // namespace korvane
