#include "framework/win/tabset.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/properties.h"
#include "framework/win/bitmap.h"

namespace korvane {

namespace {
constexpr int kScrollerWidth = 2 * kTabScrollerRoom;
}  // namespace

// ---- TTabScroller

TTabScroller::TTabScroller(TTabSet* tab_set) : TWinControl(tab_set), tab_set_(*tab_set) {
    SetVisible(false);
    SetParent(tab_set);
}

void TTabScroller::CreateParams(TCreateParams& p) {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_UPDOWN_CLASS};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)registered;
    TWinControl::CreateParams(p);
    p.superclass = UPDOWN_CLASSW;
    p.style |= UDS_HORZ;
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
}

void TTabScroller::CreateWnd() {
    TWinControl::CreateWnd();
    SetRange(count_, position_);
}

void TTabScroller::SetRange(int count, int position) {
    count_ = count;
    position_ = position;
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), UDM_SETRANGE32, 0, std::max(0, count - 1));
    SendMessageW(Handle(), UDM_SETPOS32, 0, position);
}

void TTabScroller::WndProc(TMessage& m) {
    if (m.Msg == CN_HSCROLL && LOWORD(m.WParam) == SB_THUMBPOSITION) {
        tab_set_.SetFirstIndex(short(HIWORD(m.WParam)));
        return;
    }
    TWinControl::WndProc(m);
}

// ---- TTabSet

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner), scroller_(new TTabScroller(this)) {
    bounds_ = Rect::from_size(0, 0, 185, 21);
    tabs_.OnChange = [this](TStringList&) { TabsChanged(); };
}

const PropertyTable& TTabSet::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TTabSet>(TCustomControl::Properties())
            .integer("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin, 5)
            .color("SelectedColor", &TTabSet::SelectedColor, &TTabSet::SetSelectedColor, clBtnFace)
            .integer("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin, 5)
            .string(
                "Tabs", [](const TTabSet& t) { return t.tabs_.Text(); },
                [](TTabSet& t, const std::string& text) { t.tabs_.SetText(text); })
            .integer("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex, -1)
            .color("UnselectedColor", &TTabSet::UnselectedColor, &TTabSet::SetUnselectedColor, clWindow)
            .build();
    return table;
}

void TTabSet::SetTabIndex(int index) {
    if (index < -1 || index >= tabs_.Count()) index = -1;
    if (index == tab_index_) return;
    tab_index_ = index;
    Invalidate();
    if (OnChange && !ComponentState().contains(csLoading)) OnChange(this);
}

void TTabSet::SetFirstIndex(int index) {
    index = std::clamp(index, 0, std::max(0, tabs_.Count() - 1));
    if (index == first_index_) return;
    first_index_ = index;
    UpdateScroller();
    Invalidate();
}

void TTabSet::SetStartMargin(int margin) {
    start_margin_ = margin;
    TabsChanged();
}

void TTabSet::SetEndMargin(int margin) {
    end_margin_ = margin;
    TabsChanged();
}

void TTabSet::SetSelectedColor(Color color) {
    selected_color_ = color;
    Invalidate();
}

void TTabSet::SetUnselectedColor(Color color) {
    unselected_color_ = color;
    Invalidate();
}

void TTabSet::TabsChanged() {
    if (tab_index_ >= tabs_.Count()) tab_index_ = -1;
    if (first_index_ >= tabs_.Count()) first_index_ = std::max(0, tabs_.Count() - 1);
    UpdateScroller();
    Invalidate();
}

std::vector<int> TTabSet::TextWidths() {
    std::vector<int> widths;
    TBitmap measure;  // a device context with the tab set's font
    measure.Canvas().Font().Assign(&Font());
    for (int i = 0; i < tabs_.Count(); ++i) widths.push_back(measure.Canvas().TextWidth(tabs_.Strings(i)));
    return widths;
}

std::vector<TabPlace> TTabSet::TabPlaces() {
    std::vector<int> widths = TextWidths();
    return place_tabs(widths, first_index_, start_margin_, ClientWidth() - end_margin_, scroller_->Visible());
}

int TTabSet::ItemAtPos(Point p) {
    if (p.y < 0 || p.y >= ClientHeight()) return -1;
    for (const TabPlace& place : TabPlaces())
        if (p.x >= place.left && p.x < place.right) return place.index;
    return -1;
}

void TTabSet::UpdateScroller() {
    std::vector<int> widths = TextWidths();
    bool needed = !all_tabs_fit(widths, first_index_, start_margin_, ClientWidth() - end_margin_);
    scroller_->SetBounds(ClientWidth() - kScrollerWidth, 0, kScrollerWidth, std::min(ClientHeight(), 20));
    scroller_->SetRange(tabs_.Count(), first_index_);
    scroller_->SetVisible(needed);
}

void TTabSet::WindowBoundsChanged() {
    TCustomControl::WindowBoundsChanged();
    UpdateScroller();
}

void TTabSet::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateScroller();
}

void TTabSet::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft)
        if (int index = ItemAtPos({x, y}); index >= 0) SetTabIndex(index);
    TCustomControl::MouseDown(button, shift, x, y);
}

// The tabs hang from a line along the top: an unselected tab sits a little
// lower in its own colour, the selected one joins the line.
void TTabSet::Paint() {
    TCanvas& canvas = Canvas();
    const int h = ClientHeight();
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(ClientRect());
    canvas.Pen().SetColor(clWindowFrame);
    canvas.MoveTo(0, 0);
    canvas.LineTo(ClientWidth(), 0);
    canvas.Font().Assign(&Font());
    for (const TabPlace& place : TabPlaces()) {
        bool selected = place.index == tab_index_;
        Rect tab = selected ? Rect{place.left, 0, place.right, h - 1} : Rect{place.left + 1, 1, place.right - 1, h - 3};
        canvas.Brush().SetColor(selected ? selected_color_ : unselected_color_);
        canvas.FillRect(tab);
        canvas.Pen().SetColor(clWindowFrame);
        canvas.MoveTo(tab.left, tab.top);
        canvas.LineTo(tab.left, tab.bottom);
        canvas.LineTo(tab.right - 1, tab.bottom);
        canvas.LineTo(tab.right - 1, tab.top - 1);
        canvas.Brush().SetStyle(bsClear);
        Rect text = tab;
        canvas.DrawText(tabs_.Strings(place.index), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        canvas.Brush().SetStyle(bsSolid);
    }
}

}  // namespace korvane
