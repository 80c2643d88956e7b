#include "framework/win/header_control.h"

#include <commctrl.h>

#include <algorithm>

#include "base/win32_text.h"
#include "framework/core/properties.h"
#include "framework/win/comctrls.h"

namespace korvane {

namespace {

int header_format(TAlignment alignment) {
    return HDF_STRING | (alignment == taCenter ? HDF_CENTER : alignment == taRightJustify ? HDF_RIGHT : HDF_LEFT);
}

}  // namespace

// --- THeaderSection

const PropertyTable& THeaderSection::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<THeaderSection>(TCollectionItem::Properties())
            .enumeration("Alignment", kAlignmentNames, &THeaderSection::Alignment, &THeaderSection::SetAlignment,
                         taLeftJustify)
            .integer("MaxWidth", &THeaderSection::MaxWidth, &THeaderSection::SetMaxWidth, 10000)
            .integer("MinWidth", &THeaderSection::MinWidth, &THeaderSection::SetMinWidth, 0)
            .string("Text", &THeaderSection::Text, &THeaderSection::SetText)
            .integer("Width", &THeaderSection::Width, &THeaderSection::SetWidth, 50)
            .build();
    return table;
}

void THeaderSection::SetText(const std::string& value) {
    text_ = value;
    Changed();
}
void THeaderSection::SetWidth(int value) {
    width_ = std::clamp(value, min_width_, max_width_);
    Changed();
}
void THeaderSection::SetMinWidth(int value) {
    min_width_ = std::max(0, value);
    max_width_ = std::max(max_width_, min_width_);
    SetWidth(width_);
}
void THeaderSection::SetMaxWidth(int value) {
    max_width_ = std::max(value, min_width_);
    SetWidth(width_);
}
void THeaderSection::SetAlignment(TAlignment value) {
    alignment_ = value;
    Changed();
}

int THeaderSection::Left() const {
    int left = 0;
    for (int i = 0; i < Index(); ++i) left += static_cast<THeaderSection&>(Collection()->Items(i)).width_;
    return left;
}

void THeaderSection::Changed() {
    if (auto* sections = dynamic_cast<THeaderSections*>(Collection())) sections->Header().UpdateSections();
}

// --- THeaderSections

THeaderSections::THeaderSections(THeaderControl* header)
    : TOwnedCollection(header, ItemClassOf<THeaderSection>()), header_(header) {}

void THeaderSections::Changed() { header_->UpdateSections(); }

// --- THeaderControl

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner), sections_(this) {
    bounds_ = Rect::from_size(0, 0, 200, 17);
}

const PropertyTable& THeaderControl::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<THeaderControl>(TWinControl::Properties())
            .boolean("HotTrack", &THeaderControl::HotTrack, &THeaderControl::SetHotTrack, false)
            .collection("Sections", &THeaderControl::Sections)
            .build();
    return table;
}

void THeaderControl::SetHotTrack(bool value) {
    if (value == hot_track_) return;
    hot_track_ = value;
    RecreateWnd();
}

void THeaderControl::UpdateSections() {
    if (!HandleAllocated()) return;
    HWND header = Handle();
    while (SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(header, HDM_DELETEITEM, 0, 0);
    for (int i = 0; i < sections_.Count(); ++i) {
        const THeaderSection& section = sections_.Items(i);
        std::wstring text = widen(section.Text());
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = text.data();
        item.cxy = section.Width();
        item.fmt = header_format(section.Alignment());
        SendMessageW(header, HDM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
    }
}

void THeaderControl::CreateParams(TCreateParams& p) {
    InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    TWinControl::CreateParams(p);
    p.superclass = WC_HEADERW;
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    p.style |= HDS_BUTTONS | HDS_HORZ | (hot_track_ ? HDS_HOTTRACK : 0);
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
}

void THeaderControl::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateSections();
}

// The header reports to its parent in its own code page's notifications;
// both kinds are answered.
void THeaderControl::WndProc(TMessage& m) {
    if (m.Msg != CN_NOTIFY) return TWinControl::WndProc(m);
    auto* notice = reinterpret_cast<const NMHEADERW*>(m.LParam);
    const int index = notice->iItem;
    if (index < 0 || index >= sections_.Count()) return TWinControl::WndProc(m);
    THeaderSection& section = sections_.Items(index);
    switch (notice->hdr.code) {
    case HDN_ITEMCLICKW:
    case HDN_ITEMCLICKA:
        if (OnSectionClick) OnSectionClick(this, section);
        return;
    // While the divider is dragged the section keeps within its limits.
    case HDN_ITEMCHANGINGW:
    case HDN_ITEMCHANGINGA:
        if (notice->pitem && (notice->pitem->mask & HDI_WIDTH))
            m.Result = notice->pitem->cxy < section.MinWidth() || notice->pitem->cxy > section.MaxWidth();
        return;
    case HDN_ENDTRACKW:
    case HDN_ENDTRACKA:
        if (notice->pitem && (notice->pitem->mask & HDI_WIDTH)) {
            section.width_ = std::clamp(notice->pitem->cxy, section.MinWidth(), section.MaxWidth());
            if (OnSectionResize) OnSectionResize(this, section);
        }
        return;
    default:
        TWinControl::WndProc(m);
    }
}

}  // namespace korvane
