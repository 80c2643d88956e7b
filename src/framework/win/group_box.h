#pragma once
// Group boxes: a container drawn as an etched frame with the caption in its
// top edge; and the radio group, a group box that makes one radio button per
// line of Items and keeps the index of the checked one.

#include <vector>

#include "framework/core/string_list.h"
#include "framework/win/check_buttons.h"
#include "framework/win/wincontrol.h"

namespace korvane {

class TCustomGroupBox : public TCustomControl {
public:
    static constexpr std::string_view kClassName = "TCustomGroupBox";
    explicit TCustomGroupBox(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
};

class TGroupBox : public TCustomGroupBox {
public:
    static constexpr std::string_view kClassName = "TGroupBox";
    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
    std::string_view ClassName() const override { return kClassName; }
};

// The buttons are the group's own (owned by it, its only children), laid out
// in Columns columns, top to bottom then left to right, with equal shares of
// the frame's interior. ItemIndex is -1 while none is checked. OnClick
// follows a change of ItemIndex.
class TCustomRadioGroup : public TCustomGroupBox {
public:
    static constexpr std::string_view kClassName = "TCustomRadioGroup";
    explicit TCustomRadioGroup(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // Change the lines through Items(); the buttons follow.
    TStringList& Items() { return items_; }
    int ItemIndex() const { return item_index_; }
    // -1, or an index of Items; anything else is -1.
    void SetItemIndex(int value);
    int Columns() const { return columns_; }
    // 1 .. 16.
    void SetColumns(int value);

    int ButtonCount() const { return int(buttons_.size()); }
    TRadioButton* Buttons(int index) const { return buttons_.at(std::size_t(index)); }

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void FontChanged() override;
    void EnabledChanged() override;

private:
    void UpdateButtons();
    void ArrangeButtons();
    void ButtonClicked(TRadioButton* button);

    TStringList items_;
    std::vector<TRadioButton*> buttons_;
    int item_index_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
public:
    static constexpr std::string_view kClassName = "TRadioGroup";
    explicit TRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}
    std::string_view ClassName() const override { return kClassName; }
};

}  // namespace korvane
