#pragma once
// THotLabel: a label styled as a web link: underlined, with a hand cursor,
// its text turning HotColor while the pointer is over it and ClickColor while
// a mouse button is held on it (see hot_label_colors.h). What a click does is
// the label's ordinary OnClick.

#include "app/hot_label_colors.h"
#include "framework/win/stdctrls.h"

namespace korvane {

class THotLabel : public TCustomLabel {
public:
    static constexpr std::string_view kClassName = "THotLabel";

    explicit THotLabel(TComponent* owner);

    std::string_view ClassName() const override { return kClassName; }
    // The label's properties followed by HotColor and ClickColor, both always stored.
    const PropertyTable& Properties() const override;

    Color HotColor() const { return colors_.hot; }
    void SetHotColor(Color color) { colors_.hot = color; }
    Color ClickColor() const { return colors_.click; }
    void SetClickColor(Color color) { colors_.click = color; }

protected:
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    HotLabelColors colors_;
};

}  // namespace korvane
