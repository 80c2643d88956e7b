#pragma once
// TSkinRadioButton: a radio button, its circle drawn from the skin's
// RadioButton strip over the standard one (as TSkinCheckBox).

#include "skin/controls/skin_check_box.h"

namespace korvane {

class TSkinRadioButton : public TSkinCheckBox {
public:
    static constexpr std::string_view kClassName = "TSkinRadioButton";
    using TSkinCheckBox::TSkinCheckBox;
    std::string_view ClassName() const override { return kClassName; }

protected:
    int BoxFrame() override;
    const Image& BoxImage() const override;
    int BoxFrames() const override;
};

}  // namespace korvane
