#include "framework/win/status_bar.h"

#include <commctrl.h>

#include <vector>

#include "base/win32_text.h"
#include "framework/core/properties.h"
#include "framework/win/comctrls.h"

namespace korvane {

namespace {

constexpr std::string_view kPanelBevelNames[] = {"pbNone", "pbLowered", "pbRaised"};

// The status bar centres what follows one tab and right-aligns what follows two.
std::wstring panel_text(const std::string& text, TAlignment alignment) {
    std::wstring prefix = alignment == taCenter ? L"\t" : alignment == taRightJustify ? L"\t\t" : L"";
    return prefix + widen(text);
}

WPARAM panel_drawing(TStatusPanelBevel bevel) {
    return bevel == pbNone ? SBT_NOBORDERS : bevel == pbRaised ? SBT_POPOUT : 0;
}

}  // namespace

// --- TStatusPanel

const PropertyTable& TStatusPanel::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TStatusPanel>(TCollectionItem::Properties())
            .enumeration("Alignment", kAlignmentNames, &TStatusPanel::Alignment, &TStatusPanel::SetAlignment,
                         taLeftJustify)
            .enumeration("Bevel", kPanelBevelNames, &TStatusPanel::Bevel, &TStatusPanel::SetBevel, pbLowered)
            .string("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
            .integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth, 50)
            .build();
    return table;
}

void TStatusPanel::SetText(const std::string& value) {
    text_ = value;
    Changed();
}
void TStatusPanel::SetWidth(int value) {
    width_ = value < 0 ? 0 : value;
    Changed();
}
void TStatusPanel::SetBevel(TStatusPanelBevel value) {
    bevel_ = value;
    Changed();
}
void TStatusPanel::SetAlignment(TAlignment value) {
    alignment_ = value;
    Changed();
}

void TStatusPanel::Changed() {
    if (auto* panels = dynamic_cast<TStatusPanels*>(Collection())) panels->Bar().UpdatePanels();
}

// --- TStatusPanels

TStatusPanels::TStatusPanels(TStatusBar* bar) : TOwnedCollection(bar, ItemClassOf<TStatusPanel>()), bar_(bar) {}

void TStatusPanels::Changed() { bar_->UpdatePanels(); }

// --- TStatusBar

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner), panels_(this) {
    bounds_ = Rect::from_size(0, 0, 200, 19);
}

const PropertyTable& TStatusBar::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TStatusBar>(TWinControl::Properties())
            .collection("Panels", &TStatusBar::Panels)
            .boolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel, false)
            .string("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
            .boolean("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip, true)
            .boolean("UseSystemFont", &TStatusBar::UseSystemFont, &TStatusBar::SetUseSystemFont, false)
            .build();
    return table;
}

void TStatusBar::SetSimplePanel(bool value) {
    simple_panel_ = value;
    UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::string& value) {
    simple_text_ = value;
    UpdatePanels();
}

void TStatusBar::SetSizeGrip(bool value) {
    if (value == size_grip_) return;
    size_grip_ = value;
    RecreateWnd();
}

void TStatusBar::SetUseSystemFont(bool value) {
    if (value == use_system_font_) return;
    use_system_font_ = value;
    if (value) {
        ApplySystemFont();
    } else {
        ApplyFont();
        system_font_.reset();
    }
}

void TStatusBar::FontChanged() {
    TWinControl::FontChanged();
    ApplySystemFont();
}

void TStatusBar::ApplySystemFont() {
    if (!use_system_font_ || !HandleAllocated()) return;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
    UniqueGdi<HFONT> old = std::move(system_font_);
    system_font_.reset(CreateFontIndirectW(&metrics.lfStatusFont));
    if (system_font_) SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(system_font_.get()), TRUE);
}

void TStatusBar::CreateParams(TCreateParams& p) {
    InitCommonControlClasses(ICC_BAR_CLASSES);
    TWinControl::CreateParams(p);
    p.superclass = STATUSCLASSNAMEW;
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    p.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | (size_grip_ ? SBARS_SIZEGRIP : 0);
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
}

void TStatusBar::CreateWnd() {
    TWinControl::CreateWnd();
    ApplySystemFont();
    UpdatePanels();
}

void TStatusBar::UpdatePanels() {
    if (!HandleAllocated()) return;
    HWND bar = Handle();
    SendMessageW(bar, SB_SIMPLE, simple_panel_, 0);
    if (simple_panel_) {
        SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(widen(simple_text_).c_str()));
        return;
    }
    const int count = panels_.Count();
    // Right edges; the last panel reaches the end of the bar.
    std::vector<int> edges(std::size_t(count > 0 ? count : 1), -1);
    int right = 0;
    for (int i = 0; i + 1 < count; ++i) edges[std::size_t(i)] = right += panels_.Items(i).Width();
    SendMessageW(bar, SB_SETPARTS, WPARAM(edges.size()), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < count; ++i) {
        const TStatusPanel& panel = panels_.Items(i);
        SendMessageW(bar, SB_SETTEXTW, WPARAM(i) | panel_drawing(panel.Bevel()),
                     reinterpret_cast<LPARAM>(panel_text(panel.Text(), panel.Alignment()).c_str()));
    }
    if (count == 0) SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
}

}  // namespace korvane
