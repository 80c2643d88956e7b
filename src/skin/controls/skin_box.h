#pragma once
// TSkinBox: panels and group boxes wear the skin's button face (they are
// attached recoloured); a group box's caption takes the skin's button text
// colour. The control paints itself.

#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinBox : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinBox";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    bool BeforeMessage(TMessage& message) override;
};

}  // namespace korvane
