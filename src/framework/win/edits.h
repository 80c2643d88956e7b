#pragma once
// Edits: the system's EDIT control under the framework's class names. The
// caption is the text: what the user types reaches Caption() (and OnChange)
// at once, and what the program sets shows in the window.

#include <string>

#include "framework/core/string_list.h"
#include "framework/win/form.h"
#include "framework/win/wincontrol.h"

namespace korvane {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomEdit : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TCustomEdit";
    explicit TCustomEdit(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    // Selects everything, when the focus comes by the keyboard.
    bool AutoSelect() const { return auto_select_; }
    void SetAutoSelect(bool value) { auto_select_ = value; }
    // bsNone or bsSingle (a sunken edge).
    TFormBorderStyle BorderStyle() const { return border_style_; }
    void SetBorderStyle(TFormBorderStyle value);
    // 0: no limit.
    int MaxLength() const { return max_length_; }
    void SetMaxLength(int value);
    bool ReadOnly() const { return read_only_; }
    void SetReadOnly(bool value);

    // The selection, in UTF-16 units as the window counts them.
    int SelStart();
    int SelLength();
    void SetSel(int start, int length);
    void SelectAll() { SetSel(0, -1); }
    void Clear() { SetText(""); }

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void TextChanged() override;
    // The window's text changed (the user's typing or the program's).
    virtual void Change();

private:
    bool auto_select_ = true;
    TFormBorderStyle border_style_ = bsSingle;
    int max_length_ = 0;
    bool read_only_ = false;
    bool taking_window_text_ = false;
};

// One line of text; PasswordChar, when set, shows in place of every character.
class TEdit : public TCustomEdit {
public:
    static constexpr std::string_view kClassName = "TEdit";
    explicit TEdit(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // 0: the text shows.
    int PasswordChar() const { return password_char_; }
    void SetPasswordChar(int value);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    int password_char_ = 0;
};

// Lines of text. Without WantTabs the Tab key leaves the memo (as in any
// dialog) instead of typing a tab; without WordWrap long lines scroll.
class TMemo : public TCustomEdit {
public:
    static constexpr std::string_view kClassName = "TMemo";
    explicit TMemo(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // The text as lines (joined with CR LF, no line break after the last);
    // change them through Lines() and the window follows.
    TStringList& Lines() { return lines_; }
    TScrollStyle ScrollBars() const { return scroll_bars_; }
    void SetScrollBars(TScrollStyle value);
    bool WordWrap() const { return word_wrap_; }
    void SetWordWrap(bool value);
    bool WantTabs() const { return want_tabs_; }
    void SetWantTabs(bool value) { want_tabs_ = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void TextChanged() override;

private:
    TStringList lines_;
    TScrollStyle scroll_bars_ = ssNone;
    bool word_wrap_ = true;
    bool want_tabs_ = false;
    bool taking_text_ = false;
};

}  // namespace korvane
