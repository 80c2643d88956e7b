#pragma once
// The standard controls the framework offers: labels (windowless), buttons
// and static text (superclasses of the system's BUTTON and STATIC).

#include <string>

#include "framework/win/control.h"
#include "framework/win/wincontrol.h"

namespace korvane {

enum TTextLayout { tlTop, tlCenter, tlBottom };

// Whether key is the accelerator of a caption ("&Yes" answers to 'y' and 'Y').
bool IsAccel(unsigned key, const std::string& caption);

// A windowless text: alignment, auto-size, transparency, accelerator.
class TCustomLabel : public TGraphicControl {
public:
    static constexpr std::string_view kClassName = "TCustomLabel";
    explicit TCustomLabel(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool value);
    TWinControl* FocusControl() const { return focus_control_; }
    void SetFocusControl(TWinControl* control);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool ShowAccelChar() const { return show_accel_char_; }
    void SetShowAccelChar(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool WordWrap() const { return word_wrap_; }
    void SetWordWrap(bool value);

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void AdjustSize() override;
    void TextChanged() override;
    void FontChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    UINT TextFormat() const;

    TAlignment alignment_ = taLeftJustify;
    bool auto_size_ = true;
    TWinControl* focus_control_ = nullptr;
    TTextLayout layout_ = tlTop;
    bool show_accel_char_ = true;
    bool transparent_ = false;
    bool word_wrap_ = false;
};

class TLabel : public TCustomLabel {
public:
    static constexpr std::string_view kClassName = "TLabel";
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
    std::string_view ClassName() const override { return kClassName; }
};

// A push button; clicking it gives its form the button's ModalResult.
// As in the system's dialogs, the focused button shows the default-button
// look (and Return presses it); while the focus is on no button, the Default
// one shows it.
class TButton : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TButton";
    explicit TButton(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    int ModalResult() const { return modal_result_; }
    void SetModalResult(int value) { modal_result_ = value; }

    void Click() override;

    // Whether the button shows the default-button look now.
    bool DefaultLook() const { return default_look_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    bool OwnerDrawn();
    void SetDefaultLook(bool value);

    bool default_ = false;
    bool default_look_ = false;
    bool cancel_ = false;
    int modal_result_ = 0;
};

enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

// A windowed text with an optional border.
class TStaticText : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TStaticText";
    explicit TStaticText(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool value);
    TStaticBorderStyle BorderStyle() const { return border_style_; }
    void SetBorderStyle(TStaticBorderStyle value);
    bool ShowAccelChar() const { return show_accel_char_; }
    void SetShowAccelChar(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void AdjustSize() override;
    void TextChanged() override;
    void FontChanged() override;

private:
    TAlignment alignment_ = taLeftJustify;
    bool auto_size_ = true;
    TStaticBorderStyle border_style_ = sbsNone;
    bool show_accel_char_ = true;
};

// The size a text takes in a font, measured on the screen (an empty text
// as one blank).
Size MeasureText(const TFont& font, const std::string& text, UINT format, int wrap_width = 0);

}  // namespace korvane
