#include "framework/win/stdctrls.h"

#include <cwctype>

#include "framework/core/properties.h"
#include "framework/win/form.h"
#include "base/win32_text.h"

namespace korvane {

namespace {

constexpr std::string_view kTextLayoutNames[] = {"tlTop", "tlCenter", "tlBottom"};
constexpr std::string_view kStaticBorderNames[] = {"sbsNone", "sbsSingle", "sbsSunken"};

UINT alignment_format(TAlignment a) {
    return a == taCenter ? DT_CENTER : a == taRightJustify ? DT_RIGHT : DT_LEFT;
}

}  // namespace

bool IsAccel(unsigned key, const std::string& caption) {
    std::wstring text = widen(caption);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] == L'&') {
            ++i;  // "&&" is a literal ampersand
            continue;
        }
        return std::towupper(text[i + 1]) == std::towupper(wint_t(key));
    }
    return false;
}

Size MeasureText(const TFont& font, const std::string& text, UINT format, int wrap_width) {
    WindowDC screen(nullptr);
    MemoryDC dc(screen.get());
    UniqueGdi<HFONT> handle = CreateFontHandle(font);
    SelectGuard select(dc.get(), handle.get());
    // An empty text measures as one blank, so that it keeps a line's height.
    std::wstring w = widen(text.empty() ? std::string(" ") : text);
    RECT r{0, 0, wrap_width, 0};
    DrawTextW(dc.get(), w.c_str(), int(w.size()), &r, format | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

// --- TCustomLabel

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    click_events_ = true;
    capture_mouse_ = true;
    bounds_ = Rect::from_size(0, 0, 65, 17);
}

const PropertyTable& TCustomLabel::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TCustomLabel>(TGraphicControl::Properties())
            .enumeration("Alignment", kAlignmentNames, &TCustomLabel::Alignment, &TCustomLabel::SetAlignment,
                         taLeftJustify)
            .boolean("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize, true)
            .component("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl)
            .enumeration("Layout", kTextLayoutNames, &TCustomLabel::Layout, &TCustomLabel::SetLayout, tlTop)
            .boolean("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar, true)
            .boolean("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent, false)
            .boolean("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap, false)
            .build();
    return table;
}

void TCustomLabel::SetAlignment(TAlignment value) {
    alignment_ = value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
    auto_size_ = value;
    AdjustSize();
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
    if (focus_control_) focus_control_->RemoveFreeNotification(this);
    focus_control_ = control;
    if (control) control->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == focus_control_) focus_control_ = nullptr;
}

void TCustomLabel::SetLayout(TTextLayout value) {
    layout_ = value;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
    show_accel_char_ = value;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
    transparent_ = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
    word_wrap_ = value;
    AdjustSize();
    Invalidate();
}

UINT TCustomLabel::TextFormat() const {
    UINT format = DT_EXPANDTABS | alignment_format(alignment_);
    format |= word_wrap_ ? DT_WORDBREAK : DT_SINGLELINE;
    if (!show_accel_char_) format |= DT_NOPREFIX;
    return format;
}

void TCustomLabel::TextChanged() {
    AdjustSize();
    TGraphicControl::TextChanged();
}

void TCustomLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustSize();
}

// An auto-sized label fits its text, keeping the edge its alignment holds.
void TCustomLabel::AdjustSize() {
    if (!auto_size_ || ComponentState().contains(csLoading)) return;
    Size text = MeasureText(Font(), Caption(), TextFormat() & ~UINT(DT_CENTER | DT_RIGHT),
                            word_wrap_ ? Width() : 0);
    int left = Left();
    if (alignment_ == taRightJustify) left = bounds_.right - text.width;
    if (alignment_ == taCenter) left = Left() + (Width() - text.width) / 2;
    SetBounds(left, Top(), text.width, text.height);
}

void TCustomLabel::Paint() {
    TCanvas& canvas = Canvas();
    Rect client = ClientRect();
    if (!transparent_) {
        canvas.Brush().SetColor(GetColor());
        canvas.FillRect(client);
    }
    canvas.Brush().SetStyle(bsClear);
    UINT format = TextFormat();
    Rect r = client;
    if (layout_ != tlTop) {
        Rect measured = client;
        canvas.DrawText(Caption(), measured, format | DT_CALCRECT);
        int offset = client.height() - measured.height();
        r = r.translated(0, layout_ == tlCenter ? offset / 2 : offset);
    }
    if (Enabled()) {
        canvas.DrawText(Caption(), r, format);
    } else {
        // Engraved: a light copy one pixel down-right under a shadow copy.
        canvas.Font().SetColor(clBtnHighlight);
        Rect shifted = r.translated(1, 1);
        canvas.DrawText(Caption(), shifted, format);
        canvas.Font().SetColor(clBtnShadow);
        canvas.DrawText(Caption(), r, format);
    }
}

void TCustomLabel::WndProc(TMessage& m) {
    if (m.Msg == CM_DIALOGCHAR) {
        if (focus_control_ && show_accel_char_ && IsAccel(unsigned(m.WParam), Caption())) {
            focus_control_->SetFocus();
            m.Result = 1;
        }
        return;
    }
    TGraphicControl::WndProc(m);
}

// --- TButton

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    bounds_ = Rect::from_size(0, 0, 75, 25);
}

const PropertyTable& TButton::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TButton>(TWinControl::Properties())
            .boolean("TabStop", &TButton::TabStop, &TButton::SetTabStop, true)
            .boolean("Cancel", &TButton::Cancel, &TButton::SetCancel, false)
            .boolean("Default", &TButton::Default, &TButton::SetDefault, false)
            .integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, 0)
            .build();
    return table;
}

void TButton::SetDefault(bool value) {
    if (value == default_) return;
    default_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.superclass = L"BUTTON";
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    p.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
}

void TButton::Click() {
    if (modal_result_ != mrNone)
        if (TCustomForm* form = ParentForm()) form->SetModalResult(modal_result_);
    TWinControl::Click();
}

void TButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == BN_CLICKED) Click();
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(unsigned(m.WParam), Caption()) && Enabled()) {
            SetFocus();
            Click();
            m.Result = 1;
        }
        return;
    case CM_DIALOGKEY:
        // Return presses the focused or the default button, Escape the cancel button.
        if (Enabled() && ((m.WParam == VK_RETURN && (default_ || Focused())) || (m.WParam == VK_ESCAPE && cancel_))) {
            Click();
            m.Result = 1;
        }
        return;
    default:
        TWinControl::WndProc(m);
    }
}

// --- TStaticText

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) {
    bounds_ = Rect::from_size(0, 0, 65, 17);
}

const PropertyTable& TStaticText::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TStaticText>(TWinControl::Properties())
            .enumeration("Alignment", kAlignmentNames, &TStaticText::Alignment, &TStaticText::SetAlignment,
                         taLeftJustify)
            .boolean("AutoSize", &TStaticText::AutoSize, &TStaticText::SetAutoSize, true)
            .enumeration("BorderStyle", kStaticBorderNames, &TStaticText::BorderStyle,
                         &TStaticText::SetBorderStyle, sbsNone)
            .boolean("ShowAccelChar", &TStaticText::ShowAccelChar, &TStaticText::SetShowAccelChar, true)
            .build();
    return table;
}

void TStaticText::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    RecreateWnd();
}

void TStaticText::SetAutoSize(bool value) {
    auto_size_ = value;
    AdjustSize();
}

void TStaticText::SetBorderStyle(TStaticBorderStyle value) {
    if (value == border_style_) return;
    border_style_ = value;
    RecreateWnd();
    AdjustSize();
}

void TStaticText::SetShowAccelChar(bool value) {
    if (value == show_accel_char_) return;
    show_accel_char_ = value;
    RecreateWnd();
    AdjustSize();
}

void TStaticText::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.superclass = L"STATIC";
    p.style |= SS_NOTIFY | (alignment_ == taCenter ? SS_CENTER : alignment_ == taRightJustify ? SS_RIGHT : SS_LEFT);
    if (!show_accel_char_) p.style |= SS_NOPREFIX;
    if (border_style_ == sbsSingle) p.style |= WS_BORDER;
    if (border_style_ == sbsSunken) p.style |= SS_SUNKEN;
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
}

void TStaticText::TextChanged() {
    TWinControl::TextChanged();
    AdjustSize();
}

void TStaticText::FontChanged() {
    TWinControl::FontChanged();
    AdjustSize();
}

void TStaticText::AdjustSize() {
    if (!auto_size_ || ComponentState().contains(csLoading)) return;
    Size text = MeasureText(Font(), Caption(), DT_SINGLELINE | (show_accel_char_ ? 0 : DT_NOPREFIX));
    int frame = border_style_ == sbsNone ? 0 : 2;
    SetBounds(Left(), Top(), text.width + 2 * frame, text.height + 2 * frame);
}

void TStaticText::WndProc(TMessage& m) {
    if (m.Msg == CN_CTLCOLORSTATIC) return AnswerCtlColor(m);
    TWinControl::WndProc(m);
}

}  // namespace korvane
