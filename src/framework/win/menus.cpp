#include "framework/win/menus.h"

#include <algorithm>

#include "base/error.h"
#include "base/win32_text.h"
#include "framework/core/properties.h"
#include "framework/win/form.h"
#include "framework/win/imglist.h"
#include "framework/win/screen.h"

namespace korvane {

namespace {

constexpr std::string_view kPopupAlignmentNames[] = {"paLeft", "paRight", "paCenter"};

// Command numbers: above the dialog answers (IDOK ...) and below the system
// commands (SC_SIZE = 0xF000 and up), which a window's WM_COMMAND may carry too.
constexpr int kFirstCommand = 0x100;
constexpr int kCommandLimit = 0xF000;

std::vector<bool>& commands_in_use() {
    static std::vector<bool> used(kCommandLimit, false);
    return used;
}

int allocate_command() {
    std::vector<bool>& used = commands_in_use();
    auto free = std::find(used.begin() + kFirstCommand, used.end(), false);
    if (free == used.end()) throw Error("Too many menu items");
    *free = true;
    return int(free - used.begin());
}

std::vector<TMenu*>& live_menus() {
    static std::vector<TMenu*> menus;
    return menus;
}

// Takes the entries out of a system menu without destroying their drop-downs
// (each belongs to its item).
void remove_entries(HMENU menu) {
    while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
}

UINT entry_id(HMENU menu, int position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    return GetMenuItemInfoW(menu, UINT(position), TRUE, &info) ? info.wID : 0;
}

// Takes one item's entry out of a system menu (its drop-down stays its own).
void remove_entry(HMENU menu, int command) {
    for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i)
        if (entry_id(menu, i) == UINT(command)) RemoveMenu(menu, UINT(i), MF_BYPOSITION);
}

TMenuItem* find_in(TMenuItem& item, UINT_PTR value, TFindItemKind kind) {
    for (int i = 0; i < item.Count(); ++i) {
        TMenuItem* child = item.Items(i);
        bool match = kind == fkCommand    ? UINT_PTR(child->Command()) == value
                     : kind == fkHandle   ? child->HandleAllocated() && UINT_PTR(child->Handle()) == value
                                          : child->ShortCut() != scNone && child->ShortCut() == value;
        if (match) return child;
        if (TMenuItem* inner = find_in(*child, value, kind)) return inner;
    }
    return nullptr;
}

}  // namespace

// ---- TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(allocate_command()) {}

TMenuItem::~TMenuItem() {
    Destroying();
    while (!items_.empty()) delete items_.back();
    if (parent_) parent_->Remove(this);
    DestroyHandle();
    commands_in_use()[std::size_t(command_)] = false;
}

const PropertyTable& TMenuItem::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TMenuItem>(TComponent::Properties())
            .string("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
            .boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false)
            .boolean("Default", &TMenuItem::Default, &TMenuItem::SetDefault, false)
            .boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
            .integer("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex, 0)
            .integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex, -1)
            .boolean("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem, false)
            .integer("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut, 0)
            .boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
            .build();
    return table;
}

void TMenuItem::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut shortcut) {
    if (shortcut == shortcut_) return;
    shortcut_ = shortcut;
    Changed();
}

void TMenuItem::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (checked && radio_item_ && parent_)
        for (TMenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->radio_item_ && sibling->group_index_ == group_index_)
                sibling->checked_ = false;
    Changed();
}

void TMenuItem::SetRadioItem(bool value) {
    if (value == radio_item_) return;
    radio_item_ = value;
    Changed();
}

void TMenuItem::SetGroupIndex(int index) {
    if (index == group_index_) return;
    group_index_ = index;
    Changed();
}

void TMenuItem::SetDefault(bool value) {
    if (value == default_) return;
    default_ = value;
    Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed();
}

void TMenuItem::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Changed();
}

void TMenuItem::SetImageIndex(int index) {
    if (index == image_index_) return;
    image_index_ = index;
    Changed();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto at = std::find(items_.begin(), items_.end(), item);
    return at == items_.end() ? -1 : int(at - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->parent_) throw Error("Menu item '" + item->Name() + "' is already in a menu");
    if (index < 0 || index > Count()) throw EListError(index);
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto at = std::find(items_.begin(), items_.end(), item);
    if (at == items_.end()) return;
    items_.erase(at);
    item->parent_ = nullptr;
    if (handle_) remove_entry(handle_, item->command_);
    Changed();
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->menu_;
}

bool TMenuItem::OnMenuBar() const { return parent_ && parent_->menu_ && parent_->menu_->IsMenuBar(); }

TComponent* TMenuItem::GetParentComponent() const {
    if (parent_ && parent_->menu_) return parent_->menu_;
    return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items().Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

HMENU TMenuItem::Handle() {
    if (!handle_) {
        handle_ = menu_ && menu_->IsMenuBar() ? CreateMenu() : CreatePopupMenu();
        if (!handle_) throw Error("Cannot create a menu");
        RebuildHandle();
    }
    return handle_;
}

void TMenuItem::DestroyHandle() {
    if (!handle_) return;
    remove_entries(handle_);
    DestroyMenu(std::exchange(handle_, nullptr));
}

// Entries the system added stay where they are (an MDI frame's list of
// children after the window menu's items, a maximised child's system menu
// and buttons around the bar's entries): only the items' own entries are
// taken out and put back, from the place of the first.
void TMenuItem::RebuildHandle() {
    if (!handle_) return;
    UINT position = 0;
    bool found = false;
    for (int i = GetMenuItemCount(handle_) - 1; i >= 0; --i) {
        UINT id = entry_id(handle_, i);
        bool own = std::any_of(items_.begin(), items_.end(),
                               [&](const TMenuItem* item) { return UINT(item->command_) == id; });
        if (!own) continue;
        RemoveMenu(handle_, UINT(i), MF_BYPOSITION);
        position = UINT(i);
        found = true;
    }
    if (!found) position = 0;
    for (TMenuItem* item : items_)
        if (item->visible_) item->InsertInto(handle_, position++);
}

void TMenuItem::InsertInto(HMENU menu, UINT position) {
    TMenu* owner_menu = GetParentMenu();
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    if (IsLine()) info.fType |= MFT_SEPARATOR;
    if (radio_item_) info.fType |= MFT_RADIOCHECK;
    std::wstring text;
    if (owner_menu && owner_menu->IsOwnerDraw()) {
        info.fType |= MFT_OWNERDRAW;
    } else if (!IsLine()) {
        std::string shortcut = ShortCutToText(shortcut_);
        text = widen(shortcut.empty() ? caption_ : caption_ + "\t" + shortcut);
        info.fMask |= MIIM_STRING;
        info.dwTypeData = text.data();
    }
    if (checked_) info.fState |= MFS_CHECKED;
    if (!enabled_) info.fState |= MFS_GRAYED;
    if (default_) info.fState |= MFS_DEFAULT;
    info.wID = UINT(command_);
    info.hSubMenu = items_.empty() ? nullptr : Handle();
    if (!InsertMenuItemW(menu, position, TRUE, &info)) throw Error("Cannot insert menu item '" + caption_ + "'");
}

// The item's own drop-down and its entry in its parent's show the change;
// then the menu hears of it.
void TMenuItem::Changed() {
    if (ComponentState().contains(csDestroying)) return;
    RebuildHandle();
    if (parent_) parent_->RebuildHandle();
    if (TMenu* menu = GetParentMenu(); menu && !menu->ComponentState().contains(csDestroying)) menu->MenuChanged();
}

// ---- TMenu

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) {
    items_->menu_ = this;
    live_menus().push_back(this);
}

TMenu::~TMenu() {
    std::erase(live_menus(), this);
    Destroying();
    DestroyComponents();  // the root item, and with it the items
}

const PropertyTable& TMenu::Properties() const {
    static const PropertyTable table = PropertyBuilder<TMenu>(TComponent::Properties())
                                           .component("Images", &TMenu::Images, &TMenu::SetImages)
                                           .boolean("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw, false)
                                           .build();
    return table;
}

namespace {
void rebuild_tree(TMenuItem& item, const std::function<void(TMenuItem&)>& rebuild) {
    for (int i = 0; i < item.Count(); ++i) rebuild_tree(*item.Items(i), rebuild);
    rebuild(item);
}
}  // namespace

void TMenu::SetImages(TImageList* images) {
    if (images == images_) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    rebuild_tree(*items_, [](TMenuItem& item) { item.RebuildHandle(); });
    MenuChanged();
}

void TMenu::SetOwnerDraw(bool value) {
    if (value == owner_draw_) return;
    owner_draw_ = value;
    rebuild_tree(*items_, [](TMenuItem& item) { item.RebuildHandle(); });
    MenuChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_) SetImages(nullptr);
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) const { return find_in(*items_, value, kind); }

TMenuItem* TMenu::FindMenuItem(UINT_PTR value, TFindItemKind kind) {
    for (TMenu* menu : live_menus())
        if (TMenuItem* item = menu->FindItem(value, kind)) return item;
    return nullptr;
}

bool TMenu::IsShortCut(TShortCut shortcut) {
    TMenuItem* item = FindItem(shortcut, fkShortCut);
    if (!item) return false;
    // The parents' OnClick runs first, as when their drop-downs open, so that
    // they can bring the item up to date.
    std::vector<TMenuItem*> chain;
    for (TMenuItem* p = item->Parent(); p && p != items_; p = p->Parent()) chain.push_back(p);
    for (auto p = chain.rbegin(); p != chain.rend(); ++p) {
        if (!(*p)->Enabled() || !(*p)->Visible()) return false;
        (*p)->Click();
    }
    if (!item->Enabled() || !item->Visible()) return false;
    item->Click();
    return true;
}

// ---- TMainMenu

void TMainMenu::MenuChanged() {
    if (!Screen) return;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (TCustomForm* form = Screen->Forms(i); form->Menu() == this) form->MenuChanged();
}

// ---- TPopupMenu

const PropertyTable& TPopupMenu::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TPopupMenu>(TMenu::Properties())
            .enumeration("Alignment", kPopupAlignmentNames, &TPopupMenu::Alignment, &TPopupMenu::SetAlignment,
                         paLeft)
            .boolean("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup, true)
            .build();
    return table;
}

}  // namespace korvane
