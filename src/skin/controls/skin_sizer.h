#pragma once
// TSkinSizer: a plain dialog's "scrollbar" window (its size grip) is never
// painted while attached; the skinned frame stands in its place.

#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinSizer : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinSizer";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    bool BeforeMessage(TMessage& message) override;
};

}  // namespace korvane
