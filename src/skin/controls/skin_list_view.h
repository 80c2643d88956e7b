#pragma once
// TSkinListView: a list view's window scroll bars as TSkinScrollBar draws
// them (the list view keeps its own thumb dragging) and its header as a
// TSkinHeader, owned by the same form skinning.

#include "skin/controls/skin_scroll_bar.h"

namespace korvane {

class TSkinHeader;

class TSkinListView : public TSkinScrollBar {
public:
    static constexpr std::string_view kClassName = "TSkinListView";
    using TSkinScrollBar::TSkinScrollBar;
    std::string_view ClassName() const override { return kClassName; }

    // recolour is passed on as the scroll bars' drag flag.
    void AttachControl(TWinControl& control, TSkinData& data, bool recolour, TCanvas& canvas) override;

    TSkinHeader* Header = nullptr;
};

}  // namespace korvane
