#include "framework/win/toolbar.h"

#include <commctrl.h>

#include <algorithm>

#include "base/error.h"
#include "base/win32_text.h"
#include "framework/core/properties.h"
#include "framework/win/imglist.h"

namespace korvane {

namespace {
constexpr std::string_view kToolButtonStyleNames[] = {"tbsButton", "tbsCheck", "tbsSeparator"};
// Button identifiers: the button's place in its bar + this.
constexpr int kFirstButtonId = 100;
}  // namespace

// ---- TToolButton

TToolButton::TToolButton(TComponent* owner) : TComponent(owner) {}

TToolButton::~TToolButton() {
    if (tool_bar_) tool_bar_->RemoveButton(this);
}

const PropertyTable& TToolButton::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TToolButton>(TComponent::Properties())
            .string("Caption", &TToolButton::Caption, &TToolButton::SetCaption)
            .boolean("Down", &TToolButton::Down, &TToolButton::SetDown, false)
            .boolean("Enabled", &TToolButton::Enabled, &TToolButton::SetEnabled, true)
            .boolean("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped, false)
            .integer("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex, -1)
            .enumeration("Style", kToolButtonStyleNames, &TToolButton::Style, &TToolButton::SetStyle, tbsButton)
            .build();
    return table;
}

void TToolButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

void TToolButton::SetImageIndex(int index) {
    image_index_ = index;
    Changed();
}

void TToolButton::SetStyle(TToolButtonStyle style) {
    style_ = style;
    Changed();
}

void TToolButton::SetDown(bool down) {
    if (down == down_) return;
    down_ = down;
    // One button of a group is down at a time.
    if (down && grouped_ && tool_bar_)
        for (TToolButton* other : tool_bar_->buttons_)
            if (other != this && other->grouped_ && other->style_ == tbsCheck) other->down_ = false;
    Changed();
}

void TToolButton::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
}

void TToolButton::SetGrouped(bool value) {
    grouped_ = value;
    Changed();
}

int TToolButton::Command() const {
    if (!tool_bar_) return 0;
    auto at = std::find(tool_bar_->buttons_.begin(), tool_bar_->buttons_.end(), this);
    return kFirstButtonId + int(at - tool_bar_->buttons_.begin());
}

TComponent* TToolButton::GetParentComponent() const { return tool_bar_; }

void TToolButton::SetParentComponent(TComponent* parent) {
    if (auto* bar = dynamic_cast<TToolBar*>(parent)) bar->AddButton(this);
}

void TToolButton::Click() {
    if (OnClick) OnClick(this);
}

void TToolButton::Changed() {
    if (tool_bar_ && !ComponentState().contains(csDestroying)) tool_bar_->RebuildButtons();
}

// ---- TToolBar

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
    bounds_ = Rect::from_size(0, 0, 150, 29);
}

TToolBar::~TToolBar() {
    DestroyComponents();  // buttons owned by the bar go while it is a bar
    for (TToolButton* button : buttons_) button->tool_bar_ = nullptr;
}

const PropertyTable& TToolBar::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TToolBar>(TWinControl::Properties())
            .boolean("Flat", &TToolBar::Flat, &TToolBar::SetFlat, false)
            .component("Images", &TToolBar::Images, &TToolBar::SetImages)
            .boolean("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions, false)
            .build();
    return table;
}

void TToolBar::AddButton(TToolButton* button) {
    if (button->tool_bar_) throw Error("Tool button '" + button->Name() + "' is already on a tool bar");
    buttons_.push_back(button);
    button->tool_bar_ = this;
    RebuildButtons();
}

void TToolBar::RemoveButton(TToolButton* button) {
    std::erase(buttons_, button);
    button->tool_bar_ = nullptr;
    if (!ComponentState().contains(csDestroying)) RebuildButtons();
}

void TToolBar::SetImages(TImageList* images) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    RebuildButtons();
}

void TToolBar::SetFlat(bool value) {
    if (value == flat_) return;
    flat_ = value;
    RecreateWnd();
}

void TToolBar::SetShowCaptions(bool value) {
    if (value == show_captions_) return;
    show_captions_ = value;
    RecreateWnd();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_) SetImages(nullptr);
}

void TToolBar::CreateParams(TCreateParams& p) {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)registered;
    TWinControl::CreateParams(p);
    p.superclass = TOOLBARCLASSNAMEW;
    p.style |= CCS_TOP | CCS_NODIVIDER | TBSTYLE_TOOLTIPS | (flat_ ? TBSTYLE_FLAT : 0);
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
}

void TToolBar::Loaded() {
    TWinControl::Loaded();
    RebuildButtons();
}

void TToolBar::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    RebuildButtons();
}

void TToolBar::RebuildButtons() {
    if (!HandleAllocated() || ComponentState().contains(csLoading)) return;
    HWND bar = Handle();
    while (SendMessageW(bar, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(bar, TB_DELETEBUTTON, 0, 0);
    SendMessageW(bar, TB_SETIMAGELIST, 0, LPARAM(images_ ? images_->Handle() : nullptr));
    std::vector<std::wstring> captions;
    captions.reserve(buttons_.size());
    std::vector<TBBUTTON> buttons;
    for (TToolButton* b : buttons_) {
        TBBUTTON tb{};
        tb.iBitmap = b->style_ == tbsSeparator ? 6 : images_ ? b->image_index_ : I_IMAGENONE;
        tb.idCommand = b->Command();
        tb.fsState = BYTE((b->enabled_ ? TBSTATE_ENABLED : 0) | (b->down_ ? TBSTATE_CHECKED : 0));
        tb.fsStyle = BYTE(b->style_ == tbsSeparator ? BTNS_SEP
                          : b->style_ == tbsCheck   ? (b->grouped_ ? BTNS_CHECKGROUP : BTNS_CHECK)
                                                    : BTNS_BUTTON);
        tb.iString = -1;
        if (show_captions_ && b->style_ != tbsSeparator) {
            captions.push_back(widen(b->caption_));
            tb.iString = INT_PTR(captions.back().c_str());
        }
        buttons.push_back(tb);
    }
    if (!buttons.empty()) SendMessageW(bar, TB_ADDBUTTONSW, WPARAM(buttons.size()), LPARAM(buttons.data()));
    SendMessageW(bar, TB_AUTOSIZE, 0, 0);
}

void TToolBar::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        int index = int(LOWORD(m.WParam)) - kFirstButtonId;
        if (index >= 0 && index < ButtonCount()) {
            // The system toggled the check buttons already: their states follow it.
            for (TToolButton* b : buttons_)
                if (b->style_ == tbsCheck)
                    b->down_ = SendMessageW(Handle(), TB_ISBUTTONCHECKED, WPARAM(b->Command()), 0) != 0;
            buttons_[std::size_t(index)]->Click();
            return;
        }
    }
    TWinControl::WndProc(m);
}

}  // namespace korvane
