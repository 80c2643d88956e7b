#include "framework/win/group_box.h"

#include <algorithm>

#include "framework/core/properties.h"
#include "framework/win/stdctrls.h"

namespace korvane {

namespace {

// The height of a line of text in a font.
int LineHeight(const TFont& font) { return MeasureText(font, "0", DT_SINGLELINE).height; }

}  // namespace

// --- TCustomGroupBox

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
    bounds_ = Rect::from_size(0, 0, 185, 105);
}

void TCustomGroupBox::Paint() {
    TCanvas& canvas = Canvas();
    Rect client = ClientRect();
    canvas.FillRect(client);
    const int line = canvas.TextHeight("0");
    RECT frame = to_rect({client.left, client.top + line / 2, client.right, client.bottom});
    DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
    if (Caption().empty()) return;
    // The caption interrupts the top edge, on the control's colour.
    Rect text{8, 0, 8, line};
    canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_CALCRECT);
    text = {text.left - 1, 0, std::min(text.right + 1, client.right - 2), line};
    canvas.FillRect(text);
    canvas.Brush().SetStyle(bsClear);
    if (!Enabled()) canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_CENTER);
}

// The caption's accelerator focuses the first child that takes the focus.
void TCustomGroupBox::WndProc(TMessage& m) {
    if (m.Msg == CM_DIALOGCHAR && IsAccel(unsigned(m.WParam), Caption())) {
        for (int i = 0; i < ControlCount(); ++i) {
            auto* child = dynamic_cast<TWinControl*>(Controls(i));
            if (child && child->TabStop() && child->Enabled() && child->Visible()) {
                child->SetFocus();
                m.Result = 1;
                return;
            }
        }
    }
    TCustomControl::WndProc(m);
}

// --- TCustomRadioGroup

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {
    items_.OnChange = [this](TStringList&) { UpdateButtons(); };
}

const PropertyTable& TCustomRadioGroup::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TCustomRadioGroup>(TCustomGroupBox::Properties())
            .integer("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns, 1)
            .string("Items", [](const TCustomRadioGroup& g) { return g.items_.Text(); },
                    [](TCustomRadioGroup& g, const std::string& text) { g.items_.SetText(text); })
            .integer("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex, -1)
            .build();
    return table;
}

void TCustomRadioGroup::SetItemIndex(int value) {
    if (value < -1 || value >= items_.Count()) value = -1;
    if (value == item_index_) return;
    item_index_ = value;
    updating_ = true;
    for (int i = 0; i < ButtonCount(); ++i) buttons_[std::size_t(i)]->SetChecked(i == value);
    updating_ = false;
    if (!ComponentState().contains(csLoading)) Click();
}

void TCustomRadioGroup::SetColumns(int value) {
    columns_ = std::clamp(value, 1, 16);
    ArrangeButtons();
}

void TCustomRadioGroup::UpdateButtons() {
    while (ButtonCount() > items_.Count()) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    while (ButtonCount() < items_.Count()) {
        auto* button = new TRadioButton(this);
        button->OnClick = [this, button](TObject*) { ButtonClicked(button); };
        button->SetEnabled(Enabled());
        button->SetParent(this);
        buttons_.push_back(button);
    }
    updating_ = true;
    for (int i = 0; i < ButtonCount(); ++i) {
        buttons_[std::size_t(i)]->SetCaption(items_.Strings(i));
        buttons_[std::size_t(i)]->SetChecked(i == item_index_);
    }
    updating_ = false;
    if (item_index_ >= items_.Count()) item_index_ = -1;
    ArrangeButtons();
}

// Columns of equal width; in each, rows of equal height share the room below
// the caption, the remainder split above and below.
void TCustomRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    const int line = LineHeight(Font());
    const int per_column = (ButtonCount() + columns_ - 1) / columns_;
    const int width = (Width() - 10) / columns_;
    const int room = Height() - line - 5;
    const int height = room / per_column;
    const int top = line + 1 + (room % per_column) / 2;
    for (int i = 0; i < ButtonCount(); ++i)
        buttons_[std::size_t(i)]->SetBounds((i / per_column) * width + 8, (i % per_column) * height + top, width,
                                            height);
}

void TCustomRadioGroup::ButtonClicked(TRadioButton* button) {
    if (updating_) return;
    auto it = std::find(buttons_.begin(), buttons_.end(), button);
    item_index_ = int(it - buttons_.begin());
    Click();
}

void TCustomRadioGroup::SetBounds(int left, int top, int width, int height) {
    TCustomGroupBox::SetBounds(left, top, width, height);
    ArrangeButtons();
}

void TCustomRadioGroup::FontChanged() {
    TCustomGroupBox::FontChanged();
    ArrangeButtons();
}

void TCustomRadioGroup::EnabledChanged() {
    TCustomGroupBox::EnabledChanged();
    for (TRadioButton* button : buttons_) button->SetEnabled(Enabled());
}

}  // namespace korvane
