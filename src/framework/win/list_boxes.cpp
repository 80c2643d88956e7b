#include "framework/win/list_boxes.h"

#include <algorithm>

#include "base/win32_text.h"
#include "framework/core/properties.h"
#include "framework/win/stdctrls.h"

namespace korvane {

namespace {

constexpr std::string_view kComboStyleNames[] = {"csDropDown", "csSimple", "csDropDownList"};

// The strings of a list into a list or combo box window (add: LB_ADDSTRING or CB_ADDSTRING).
void fill(HWND window, UINT reset, UINT add, const TStringList& items) {
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    SendMessageW(window, reset, 0, 0);
    for (int i = 0; i < items.Count(); ++i)
        SendMessageW(window, add, 0, reinterpret_cast<LPARAM>(widen(items.Strings(i)).c_str()));
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace

// --- TListBox

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
    bounds_ = Rect::from_size(0, 0, 121, 97);
    items_.OnChange = [this](TStringList&) { FillWindow(); };
}

const PropertyTable& TListBox::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TListBox>(TWinControl::Properties())
            .boolean("TabStop", &TListBox::TabStop, &TListBox::SetTabStop, true)
            .string("Items", [](const TListBox& b) { return b.items_.Text(); },
                    [](TListBox& b, const std::string& text) { b.items_.SetText(text); })
            .boolean("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect, false)
            .build();
    return table;
}

void TListBox::FillWindow() {
    if (!HandleAllocated()) return;
    int keep = ItemIndex();
    fill(Handle(), LB_RESETCONTENT, LB_ADDSTRING, items_);
    SetItemIndex(keep);
}

int TListBox::ItemIndex() {
    if (!HandleAllocated()) return item_index_;
    return int(SendMessageW(Handle(), multi_select_ ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int value) {
    item_index_ = value >= 0 && value < items_.Count() ? value : -1;
    if (!HandleAllocated()) return;
    if (multi_select_) SendMessageW(Handle(), LB_SETCARETINDEX, WPARAM(item_index_), FALSE);
    else SendMessageW(Handle(), LB_SETCURSEL, WPARAM(item_index_), 0);
}

void TListBox::SetMultiSelect(bool value) {
    if (value == multi_select_) return;
    item_index_ = ItemIndex();
    multi_select_ = value;
    RecreateWnd();
}

bool TListBox::Selected(int index) { return SendMessageW(Handle(), LB_GETSEL, WPARAM(index), 0) > 0; }

void TListBox::SetSelected(int index, bool value) {
    if (multi_select_) SendMessageW(Handle(), LB_SETSEL, value, LPARAM(index));
    else if (value) SetItemIndex(index);
    else if (ItemIndex() == index) SetItemIndex(-1);
}

int TListBox::SelCount() {
    if (!multi_select_) return ItemIndex() >= 0 ? 1 : 0;
    return int(SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0));
}

int TListBox::TopIndex() { return int(SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0)); }
void TListBox::SetTopIndex(int value) { SendMessageW(Handle(), LB_SETTOPINDEX, WPARAM(value), 0); }
int TListBox::ItemHeight() { return int(SendMessageW(Handle(), LB_GETITEMHEIGHT, 0, 0)); }

void TListBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.superclass = L"LISTBOX";
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    p.style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | (multi_select_ ? LBS_EXTENDEDSEL : 0);
    p.ex_style = (p.ex_style & ~DWORD(WS_EX_CONTROLPARENT)) | WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd() {
    TWinControl::CreateWnd();
    fill(Handle(), LB_RESETCONTENT, LB_ADDSTRING, items_);
    SetItemIndex(item_index_);
}

void TListBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == LBN_SELCHANGE) {
            item_index_ = ItemIndex();
            Click();
        }
        return;
    case CN_CTLCOLORLISTBOX:
        return AnswerCtlColor(m);
    default:
        TWinControl::WndProc(m);
    }
}

// --- TComboBox

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
    bounds_ = Rect::from_size(0, 0, 145, 21);
    items_.OnChange = [this](TStringList&) { FillWindow(); };
}

const PropertyTable& TComboBox::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TComboBox>(TWinControl::Properties())
            .boolean("TabStop", &TComboBox::TabStop, &TComboBox::SetTabStop, true)
            .integer("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount, 8)
            .enumeration("Style", kComboStyleNames, &TComboBox::Style, &TComboBox::SetStyle, csDropDown)
            .string("Items", [](const TComboBox& b) { return b.items_.Text(); },
                    [](TComboBox& b, const std::string& text) { b.items_.SetText(text); })
            .build();
    return table;
}

void TComboBox::FillWindow() {
    if (!HandleAllocated()) return;
    int keep = ItemIndex();
    std::string text = Caption();
    fill(Handle(), CB_RESETCONTENT, CB_ADDSTRING, items_);
    if (keep >= 0 && keep < items_.Count()) SetItemIndex(keep);
    else if (style_ != csDropDownList) SetWindowTextW(Handle(), widen(text).c_str());
}

int TComboBox::ItemIndex() {
    if (!HandleAllocated()) return item_index_;
    return int(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int value) {
    item_index_ = value >= 0 && value < items_.Count() ? value : -1;
    if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, WPARAM(item_index_), 0);
    TakeWindowText(item_index_ >= 0 ? items_.Strings(item_index_) : std::string());
}

void TComboBox::SetStyle(TComboBoxStyle value) {
    if (value == style_) return;
    item_index_ = ItemIndex();
    style_ = value;
    RecreateWnd();
}

void TComboBox::SetDropDownCount(int value) {
    drop_down_count_ = std::max(1, value);
    if (HandleAllocated()) UpdateWindowBounds();
}

bool TComboBox::DroppedDown() { return SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; }
void TComboBox::SetDroppedDown(bool value) { SendMessageW(Handle(), CB_SHOWDROPDOWN, value, 0); }

int TComboBox::DroppedHeight() const {
    if (style_ == csSimple) return Height();
    const int line = MeasureText(Font(), "0", DT_SINGLELINE).height;
    return Height() + line * std::min(drop_down_count_, std::max(1, items_.Count())) + 2;
}

void TComboBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.superclass = L"COMBOBOX";
    p.style |= WS_VSCROLL | CBS_AUTOHSCROLL;
    p.style |= style_ == csSimple ? CBS_SIMPLE : style_ == csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
    p.height = DroppedHeight();
}

void TComboBox::CreateWnd() {
    TWinControl::CreateWnd();
    fill(Handle(), CB_RESETCONTENT, CB_ADDSTRING, items_);
    if (item_index_ >= 0) SetItemIndex(item_index_);
    else if (style_ != csDropDownList) SetWindowTextW(Handle(), widen(Caption()).c_str());
}

// The window is the box and the list below it.
void TComboBox::UpdateWindowBounds() {
    SetWindowPos(Handle(), nullptr, bounds_.left, bounds_.top, bounds_.width(), DroppedHeight(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::TakeWindowText(const std::string& text) {
    taking_window_text_ = true;
    SetCaption(text);
    taking_window_text_ = false;
}

// A text set by the program selects the line that has it (a drop-down list
// shows nothing else).
void TComboBox::TextChanged() {
    if (taking_window_text_) return;
    if (style_ == csDropDownList) return SetItemIndex(items_.IndexOf(Caption()));
    item_index_ = items_.IndexOf(Caption());
    if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, WPARAM(item_index_), 0);
    TWinControl::TextChanged();
}

void TComboBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        switch (HIWORD(m.WParam)) {
        case CBN_EDITCHANGE:
            item_index_ = -1;
            TakeWindowText(WindowText());
            if (OnChange) OnChange(this);
            break;
        case CBN_SELCHANGE:
            item_index_ = ItemIndex();
            TakeWindowText(item_index_ >= 0 ? items_.Strings(item_index_) : std::string());
            if (OnSelect) OnSelect(this);
            if (OnChange) OnChange(this);
            break;
        case CBN_DROPDOWN:
            if (OnDropDown) OnDropDown(this);
            break;
        case CBN_CLOSEUP:
            if (OnCloseUp) OnCloseUp(this);
            break;
        }
        return;
    // The box's own edit and list ask it for their colours.
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
        return AnswerCtlColor(m);
    default:
        TWinControl::WndProc(m);
    }
}

}  // namespace korvane
