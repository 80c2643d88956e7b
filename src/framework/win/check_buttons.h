#pragma once
// Check boxes and radio buttons: the system's BUTTON control in its check-box
// and radio-button styles (not the "auto" ones: the framework keeps the state
// and sets it on the window, so a click, the space key and the program all
// take the same road).

#include "framework/win/wincontrol.h"

namespace korvane {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// Common to both: the caption beside the box (Alignment taRightJustify puts
// the text right of the box, taLeftJustify left of it), colours through
// WM_CTLCOLOR, the accelerator of the caption.
class TButtonControl : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TButtonControl";
    explicit TButtonControl(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    // A user's click (mouse, space key or accelerator).
    virtual void Clicked() = 0;

private:
    TAlignment alignment_ = taRightJustify;
};

// Click order: unchecked, checked, and, with AllowGrayed, grayed. OnClick
// follows every change of State, the user's and the program's.
class TCustomCheckBox : public TButtonControl {
public:
    static constexpr std::string_view kClassName = "TCustomCheckBox";
    explicit TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {}
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    bool AllowGrayed() const { return allow_grayed_; }
    void SetAllowGrayed(bool value) { allow_grayed_ = value; }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState value);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Clicked() override;

private:
    bool allow_grayed_ = false;
    TCheckBoxState state_ = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
public:
    static constexpr std::string_view kClassName = "TCheckBox";
    explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
    std::string_view ClassName() const override { return kClassName; }
};

// Checking one radio button unchecks the radio buttons beside it (same
// parent). Only the checked one is a tab stop; the arrow keys move the check
// to the previous or next enabled radio button of the parent. OnClick follows
// a button becoming checked.
class TRadioButton : public TButtonControl {
public:
    static constexpr std::string_view kClassName = "TRadioButton";
    explicit TRadioButton(TComponent* owner) : TButtonControl(owner) { SetTabStop(false); }
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    bool Checked() const { return checked_; }
    void SetChecked(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void Clicked() override;

private:
    // The enabled, visible radio button `step` places away among the
    // parent's radio buttons (wrapping); this one when there is no other.
    TRadioButton* Neighbour(int step);

    bool checked_ = false;
};

}  // namespace korvane
