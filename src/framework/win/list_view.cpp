#include "framework/win/list_view.h"

#include <commctrl.h>

#include "base/win32_text.h"
#include "framework/core/properties.h"
#include "framework/win/comctrls.h"

namespace korvane {

namespace {

constexpr std::string_view kViewStyleNames[] = {"vsIcon", "vsSmallIcon", "vsList", "vsReport"};

int column_format(TAlignment alignment) {
    return alignment == taCenter ? LVCFMT_CENTER : alignment == taRightJustify ? LVCFMT_RIGHT : LVCFMT_LEFT;
}

void set_item_text(HWND view, int item, int sub_item, const std::string& text) {
    std::wstring wide = widen(text);
    LVITEMW lv{};
    lv.iSubItem = sub_item;
    lv.pszText = wide.data();
    SendMessageW(view, LVM_SETITEMTEXTW, WPARAM(item), reinterpret_cast<LPARAM>(&lv));
}

}  // namespace

// --- TListColumn

const PropertyTable& TListColumn::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TListColumn>(TCollectionItem::Properties())
            .enumeration("Alignment", kAlignmentNames, &TListColumn::Alignment, &TListColumn::SetAlignment,
                         taLeftJustify)
            .string("Caption", &TListColumn::Caption, &TListColumn::SetCaption)
            .integer("Width", &TListColumn::Width, &TListColumn::SetWidth, 50)
            .build();
    return table;
}

void TListColumn::SetCaption(const std::string& value) {
    caption_ = value;
    Changed();
}
void TListColumn::SetWidth(int value) {
    width_ = value < 0 ? 0 : value;
    Changed();
}
void TListColumn::SetAlignment(TAlignment value) {
    alignment_ = value;
    Changed();
}

void TListColumn::Changed() {
    if (auto* columns = dynamic_cast<TListColumns*>(Collection())) columns->View().RefillWindow();
}

// --- TListItem

TListItem::TListItem(TCollection& collection) : TCollectionItem(collection) {
    sub_items_.OnChange = [this](TStringList&) { Changed(); };
}

const PropertyTable& TListItem::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TListItem>(TCollectionItem::Properties())
            .string("Caption", &TListItem::Caption, &TListItem::SetCaption)
            .string("SubItems", [](const TListItem& i) { return i.sub_items_.Text(); },
                    [](TListItem& i, const std::string& text) { i.sub_items_.SetText(text); })
            .build();
    return table;
}

void TListItem::SetCaption(const std::string& value) {
    caption_ = value;
    Changed();
}

void TListItem::Changed() {
    if (auto* items = dynamic_cast<TListItems*>(Collection())) items->View().UpdateItem(Index());
}

// --- TListView

TListView::TListView(TComponent* owner) : TWinControl(owner), columns_(this), items_(this) {
    SetTabStop(true);
    SetColor(clWindow);
    bounds_ = Rect::from_size(0, 0, 250, 150);
}

const PropertyTable& TListView::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TListView>(TWinControl::Properties())
            .boolean("TabStop", &TListView::TabStop, &TListView::SetTabStop, true)
            .collection("Columns", &TListView::Columns)
            .boolean("GridLines", &TListView::GridLines, &TListView::SetGridLines, false)
            .collection("Items", &TListView::Items)
            .boolean("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect, false)
            .boolean("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect, false)
            .boolean("ShowColumnHeaders", &TListView::ShowColumnHeaders, &TListView::SetShowColumnHeaders, true)
            .enumeration("ViewStyle", kViewStyleNames, &TListView::ViewStyle, &TListView::SetViewStyle, vsIcon)
            .build();
    return table;
}

void TListView::SetViewStyle(TViewStyle value) {
    if (value == view_style_) return;
    item_index_ = ItemIndex();
    view_style_ = value;
    RecreateWnd();
}

void TListView::SetRowSelect(bool value) {
    row_select_ = value;
    ApplyExtendedStyle();
}

void TListView::SetGridLines(bool value) {
    grid_lines_ = value;
    ApplyExtendedStyle();
}

void TListView::SetShowColumnHeaders(bool value) {
    if (value == show_column_headers_) return;
    item_index_ = ItemIndex();
    show_column_headers_ = value;
    RecreateWnd();
}

void TListView::SetMultiSelect(bool value) {
    if (value == multi_select_) return;
    item_index_ = ItemIndex();
    multi_select_ = value;
    RecreateWnd();
}

void TListView::ApplyExtendedStyle() {
    if (!HandleAllocated()) return;
    DWORD style = (row_select_ ? LVS_EX_FULLROWSELECT : 0) | (grid_lines_ ? LVS_EX_GRIDLINES : 0);
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, style);
}

int TListView::ItemIndex() {
    if (!HandleAllocated()) return item_index_;
    return int(SendMessageW(Handle(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

void TListView::SetItemIndex(int value) {
    item_index_ = value >= 0 && value < items_.Count() ? value : -1;
    if (!HandleAllocated()) return;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&state));
    if (item_index_ < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, WPARAM(item_index_), reinterpret_cast<LPARAM>(&state));
    SendMessageW(Handle(), LVM_ENSUREVISIBLE, WPARAM(item_index_), FALSE);
}

int TListView::SelCount() {
    if (!HandleAllocated()) return item_index_ >= 0 ? 1 : 0;
    return int(SendMessageW(Handle(), LVM_GETSELECTEDCOUNT, 0, 0));
}

void TListView::EndUpdate() {
    if (updating_ > 0 && --updating_ == 0) RefillWindow();
}

void TListView::RefillWindow() {
    if (!HandleAllocated() || updating_ > 0) return;
    HWND view = Handle();
    const int keep = ItemIndex();
    ++updating_;  // no selection events while the window is refilled
    SendMessageW(view, WM_SETREDRAW, FALSE, 0);
    SendMessageW(view, LVM_DELETEALLITEMS, 0, 0);
    while (SendMessageW(view, LVM_DELETECOLUMN, 0, 0)) {
    }
    for (int i = 0; i < columns_.Count(); ++i) {
        const TListColumn& column = columns_.Items(i);
        std::wstring text = widen(column.Caption());
        LVCOLUMNW lv{};
        lv.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        lv.fmt = column_format(column.Alignment());
        lv.cx = column.Width();
        lv.pszText = text.data();
        lv.iSubItem = i;
        SendMessageW(view, LVM_INSERTCOLUMNW, WPARAM(i), reinterpret_cast<LPARAM>(&lv));
    }
    for (int i = 0; i < items_.Count(); ++i) {
        LVITEMW lv{};
        lv.mask = LVIF_TEXT;
        lv.iItem = i;
        lv.pszText = const_cast<wchar_t*>(L"");
        SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lv));
    }
    for (int i = 0; i < items_.Count(); ++i) PutItemTexts(i);
    SetItemIndex(keep);
    --updating_;
    SendMessageW(view, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view, nullptr, TRUE);
}

void TListView::UpdateItem(int index) {
    if (!HandleAllocated() || updating_ > 0) return;
    if (index < 0 || index >= int(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0))) return;
    PutItemTexts(index);
}

void TListView::PutItemTexts(int index) {
    HWND view = Handle();
    const TListItem& item = items_.Items(index);
    set_item_text(view, index, 0, item.Caption());
    for (int j = 0; j < item.SubItems().Count(); ++j) set_item_text(view, index, j + 1, item.SubItems().Strings(j));
}

void TListView::CreateParams(TCreateParams& p) {
    InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    TWinControl::CreateParams(p);
    p.superclass = WC_LISTVIEWW;
    p.style |= LVS_SHOWSELALWAYS | DWORD(view_style_ == vsReport ? LVS_REPORT
                                         : view_style_ == vsSmallIcon ? LVS_SMALLICON
                                         : view_style_ == vsList ? LVS_LIST
                                                                 : LVS_ICON);
    if (!multi_select_) p.style |= LVS_SINGLESEL;
    if (!show_column_headers_) p.style |= LVS_NOCOLUMNHEADER;
    p.ex_style = (p.ex_style & ~DWORD(WS_EX_CONTROLPARENT)) | WS_EX_CLIENTEDGE;
}

void TListView::CreateWnd() {
    TWinControl::CreateWnd();
    const int keep = item_index_;
    ApplyExtendedStyle();
    SendMessageW(Handle(), LVM_SETBKCOLOR, 0, LPARAM(ColorToRGB(GetColor())));
    SendMessageW(Handle(), LVM_SETTEXTBKCOLOR, 0, LPARAM(ColorToRGB(GetColor())));
    RefillWindow();
    SetItemIndex(keep);
}

void TListView::WndProc(TMessage& m) {
    if (m.Msg != CN_NOTIFY) return TWinControl::WndProc(m);
    const auto* notice = reinterpret_cast<const NMLISTVIEW*>(m.LParam);
    switch (notice->hdr.code) {
    case LVN_COLUMNCLICK:
        if (OnColumnClick && notice->iSubItem >= 0 && notice->iSubItem < columns_.Count())
            OnColumnClick(this, columns_.Items(notice->iSubItem));
        return;
    case LVN_ITEMCHANGED:
        if (updating_ == 0 && (notice->uChanged & LVIF_STATE) &&
            ((notice->uOldState ^ notice->uNewState) & LVIS_SELECTED) && notice->iItem >= 0 &&
            notice->iItem < items_.Count() && OnSelectItem)
            OnSelectItem(this, items_.Items(notice->iItem), (notice->uNewState & LVIS_SELECTED) != 0);
        return;
    case NM_CLICK:
        Click();
        return;
    default:
        TWinControl::WndProc(m);
    }
}

}  // namespace korvane
