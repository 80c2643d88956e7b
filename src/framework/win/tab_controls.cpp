#include "framework/win/tab_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "base/win32_text.h"
#include "framework/core/properties.h"
#include "framework/win/comctrls.h"

namespace korvane {

namespace {

constexpr std::string_view kTabPositionNames[] = {"tpTop", "tpBottom", "tpLeft", "tpRight"};

}  // namespace

// --- TCustomTabControl

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    bounds_ = Rect::from_size(0, 0, 289, 193);
    tabs_.OnChange = [this](TStringList&) { FillTabs(); };
}

const PropertyTable& TCustomTabControl::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TCustomTabControl>(TWinControl::Properties())
            .boolean("TabStop", &TCustomTabControl::TabStop, &TCustomTabControl::SetTabStop, true)
            .boolean("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine, false)
            .enumeration("TabPosition", kTabPositionNames, &TCustomTabControl::TabPosition,
                         &TCustomTabControl::SetTabPosition, tpTop)
            .build();
    return table;
}

void TCustomTabControl::SetTabIndex(int value) {
    tab_index_ = value >= 0 && value < tabs_.Count() ? value : -1;
    if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, WPARAM(tab_index_), 0);
}

void TCustomTabControl::SetTabPosition(TTabPosition value) {
    if (value == tab_position_) return;
    tab_position_ = value;
    RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool value) {
    if (value == multi_line_) return;
    multi_line_ = value;
    RecreateWnd();
}

Rect TCustomTabControl::DisplayRect() {
    RECT r = to_rect(ClientRect());
    if (HandleAllocated()) SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return from_rect(r);
}

// A strip that gets its first tabs shows the first one chosen.
void TCustomTabControl::FillTabs() {
    if (tab_index_ >= tabs_.Count()) tab_index_ = tabs_.Count() - 1;
    if (tab_index_ < 0 && tabs_.Count() > 0) tab_index_ = 0;
    if (!HandleAllocated()) return;
    HWND strip = Handle();
    SendMessageW(strip, TCM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < tabs_.Count(); ++i) {
        std::wstring text = widen(tabs_.Strings(i));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(strip, TCM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(strip, TCM_SETCURSEL, WPARAM(tab_index_), 0);
}

void TCustomTabControl::CreateParams(TCreateParams& p) {
    InitCommonControlClasses(ICC_TAB_CLASSES);
    TWinControl::CreateParams(p);
    p.superclass = WC_TABCONTROLW;
    p.style |= TCS_TABS;
    if (multi_line_) p.style |= TCS_MULTILINE;
    switch (tab_position_) {
    case tpTop: break;
    case tpBottom: p.style |= TCS_BOTTOM; break;
    case tpLeft: p.style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case tpRight: p.style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    }
}

void TCustomTabControl::CreateWnd() {
    TWinControl::CreateWnd();
    FillTabs();
}

void TCustomTabControl::Change() {
    if (OnChange) OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY) {
        switch (reinterpret_cast<const NMHDR*>(m.LParam)->code) {
        case TCN_SELCHANGING: {
            bool allow = true;
            if (OnChanging) OnChanging(this, allow);
            m.Result = allow ? FALSE : TRUE;
            return;
        }
        case TCN_SELCHANGE:
            tab_index_ = int(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
            Change();
            return;
        }
    }
    TWinControl::WndProc(m);
}

// --- TTabControl

const PropertyTable& TTabControl::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TTabControl>(TCustomTabControl::Properties())
            .string("Tabs", [](const TTabControl& t) { return t.TabTexts().Text(); },
                    [](TTabControl& t, const std::string& text) { t.Tabs().SetText(text); })
            .integer("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex)
            .stored_if([](const TTabControl& t) { return t.TabIndex() != (t.TabTexts().Count() > 0 ? 0 : -1); })
            .build();
    return table;
}

// --- TTabSheet

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {}

// Leaves its page control while it is still a sheet.
TTabSheet::~TTabSheet() { SetParent(nullptr); }

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

int TTabSheet::PageIndex() const {
    TPageControl* pages = PageControl();
    if (!pages) return -1;
    auto it = std::find(pages->pages_.begin(), pages->pages_.end(), this);
    return int(it - pages->pages_.begin());
}

void TTabSheet::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    if (TPageControl* old = PageControl()) old->RemovePage(this);
    TWinControl::SetParent(parent);
    if (TPageControl* pages = PageControl()) pages->InsertPage(this);
}

void TTabSheet::TextChanged() {
    TWinControl::TextChanged();
    if (TPageControl* pages = PageControl()) pages->PageTextChanged(this);
}

// --- TPageControl

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
    while (!pages_.empty()) pages_.back()->SetParent(nullptr);
}

const PropertyTable& TPageControl::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TPageControl>(TCustomTabControl::Properties())
            .component("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
            .build();
    return table;
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    TabTexts().Add(page->Caption());
    if (!active_page_) active_page_ = page;
    SetTabIndex(ActivePageIndex());
    ArrangePages();
}

void TPageControl::RemovePage(TTabSheet* page) {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    const int index = int(it - pages_.begin());
    pages_.erase(it);
    TabTexts().Delete(index);
    // The page after it (or the last) takes the place of an active page that goes.
    if (active_page_ == page)
        active_page_ = pages_.empty() ? nullptr : pages_[std::size_t(std::min(index, PageCount() - 1))];
    SetTabIndex(ActivePageIndex());
    ArrangePages();
}

void TPageControl::PageTextChanged(TTabSheet* page) { TabTexts().SetStrings(page->PageIndex(), page->Caption()); }

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this) return;
    active_page_ = page;
    SetTabIndex(ActivePageIndex());
    ArrangePages();
}

int TPageControl::ActivePageIndex() const { return active_page_ ? active_page_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[std::size_t(index)] : nullptr);
}

void TPageControl::ArrangePages() {
    Rect area = DisplayRect();
    for (TTabSheet* page : pages_) {
        page->SetBounds(area.left, area.top, area.width(), area.height());
        page->SetVisible(page == active_page_);
    }
}

void TPageControl::Change() {
    active_page_ = TabIndex() >= 0 ? pages_[std::size_t(TabIndex())] : nullptr;
    ArrangePages();
    TCustomTabControl::Change();
}

void TPageControl::CreateWnd() {
    TCustomTabControl::CreateWnd();
    ArrangePages();
}

void TPageControl::WindowBoundsChanged() {
    TCustomTabControl::WindowBoundsChanged();
    ArrangePages();
}

}  // namespace korvane
