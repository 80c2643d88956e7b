#include "framework/win/check_buttons.h"

#include <vector>

#include "framework/core/properties.h"
#include "framework/win/stdctrls.h"

namespace korvane {

namespace {

constexpr std::string_view kCheckBoxStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};

}  // namespace

// --- TButtonControl

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    bounds_ = Rect::from_size(0, 0, 97, 17);
}

const PropertyTable& TButtonControl::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TButtonControl>(TWinControl::Properties())
            .boolean("TabStop", &TButtonControl::TabStop, &TButtonControl::SetTabStop, true)
            .enumeration("Alignment", kAlignmentNames, &TButtonControl::Alignment, &TButtonControl::SetAlignment,
                         taRightJustify)
            .build();
    return table;
}

void TButtonControl::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    RecreateWnd();
}

void TButtonControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.superclass = L"BUTTON";
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    if (alignment_ == taLeftJustify) p.style |= BS_LEFTTEXT;
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
}

void TButtonControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == BN_CLICKED) Clicked();
        return;
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
        return AnswerCtlColor(m);
    case CM_DIALOGCHAR:
        if (Enabled() && IsAccel(unsigned(m.WParam), Caption())) {
            SetFocus();
            Clicked();
            m.Result = 1;
        }
        return;
    default:
        TWinControl::WndProc(m);
    }
}

// --- TCustomCheckBox

const PropertyTable& TCustomCheckBox::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TCustomCheckBox>(TButtonControl::Properties())
            .boolean("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed, false)
            .enumeration("State", kCheckBoxStateNames, &TCustomCheckBox::State, &TCustomCheckBox::SetState,
                         cbUnchecked)
            .build();
    return table;
}

void TCustomCheckBox::SetState(TCheckBoxState value) {
    if (value == state_) return;
    state_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, WPARAM(state_), 0);
    if (!ComponentState().contains(csLoading)) Click();
}

void TCustomCheckBox::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.style |= BS_3STATE;
}

void TCustomCheckBox::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessageW(Handle(), BM_SETCHECK, WPARAM(state_), 0);
}

void TCustomCheckBox::Clicked() {
    switch (state_) {
    case cbUnchecked: return SetState(allow_grayed_ ? cbGrayed : cbChecked);
    case cbGrayed: return SetState(cbChecked);
    case cbChecked: return SetState(cbUnchecked);
    }
}

// --- TRadioButton

const PropertyTable& TRadioButton::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TRadioButton>(TButtonControl::Properties())
            .boolean("TabStop", &TRadioButton::TabStop, &TRadioButton::SetTabStop)
            .never_stored()
            .boolean("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked, false)
            .build();
    return table;
}

void TRadioButton::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    SetTabStop(value);
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!value) return;
    if (Parent())
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); other && other != this)
                other->SetChecked(false);
    if (!ComponentState().contains(csLoading)) Click();
}

void TRadioButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.style |= BS_RADIOBUTTON;
}

void TRadioButton::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::Clicked() { SetChecked(true); }

TRadioButton* TRadioButton::Neighbour(int step) {
    TWinControl* parent = Parent();
    if (!parent) return this;
    std::vector<TRadioButton*> group;
    int self = 0;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* radio = dynamic_cast<TRadioButton*>(parent->Controls(i));
        if (radio == this) self = int(group.size());
        if (radio == this || (radio && radio->Enabled() && radio->Visible())) group.push_back(radio);
    }
    const int n = int(group.size());
    return group[std::size_t(((self + step) % n + n) % n)];
}

void TRadioButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        TButtonControl::WndProc(m);
        m.Result |= DLGC_WANTARROWS;
        return;
    case WM_KEYDOWN:
        if (m.WParam == VK_LEFT || m.WParam == VK_UP || m.WParam == VK_RIGHT || m.WParam == VK_DOWN) {
            TRadioButton* next = Neighbour(m.WParam == VK_LEFT || m.WParam == VK_UP ? -1 : 1);
            next->SetFocus();
            next->SetChecked(true);
            return;
        }
        return TButtonControl::WndProc(m);
    default:
        TButtonControl::WndProc(m);
    }
}

}  // namespace korvane
