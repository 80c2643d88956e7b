#pragma once
// List boxes and combo boxes: the system's LISTBOX and COMBOBOX controls
// under the framework's class names. Items is the list they show: change it
// and the window follows. ItemIndex is the selected line (-1: none).

#include <string>

#include "framework/core/string_list.h"
#include "framework/win/wincontrol.h"

namespace korvane {

// OnClick follows a selection by the user (mouse or keys); OnDblClick a
// double click on a line.
class TListBox : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TListBox";
    explicit TListBox(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TStringList& Items() { return items_; }
    int ItemIndex();
    void SetItemIndex(int value);
    bool MultiSelect() const { return multi_select_; }
    void SetMultiSelect(bool value);
    // With MultiSelect: whether a line is selected, and selecting it.
    bool Selected(int index);
    void SetSelected(int index, bool value);
    int SelCount();
    int TopIndex();
    void SetTopIndex(int value);
    int ItemHeight();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void FillWindow();

    TStringList items_;
    bool multi_select_ = false;
    int item_index_ = -1;  // kept while there is no window
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// The caption is the text in the box. OnChange follows every change of it
// by the user (typing or choosing a line); OnSelect a line chosen from the
// list; OnDropDown and OnCloseUp the list opening and closing.
class TComboBox : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TComboBox";
    explicit TComboBox(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TStringList& Items() { return items_; }
    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    int ItemIndex();
    void SetItemIndex(int value);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle value);
    // Lines the open list shows at most.
    int DropDownCount() const { return drop_down_count_; }
    void SetDropDownCount(int value);
    bool DroppedDown();
    void SetDroppedDown(bool value);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void TextChanged() override;
    void UpdateWindowBounds() override;

private:
    void FillWindow();
    // The window's height: the box and its open list.
    int DroppedHeight() const;
    void TakeWindowText(const std::string& text);

    TStringList items_;
    TComboBoxStyle style_ = csDropDown;
    int drop_down_count_ = 8;
    int item_index_ = -1;  // kept while there is no window
    bool taking_window_text_ = false;
};

}  // namespace korvane
