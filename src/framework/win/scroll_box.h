#pragma once
// TScrollBox: a container that scrolls its children, with or without a
// sunken edge.

#include "framework/win/form.h"
#include "framework/win/scrolling.h"

namespace korvane {

class TScrollBox : public TScrollingWinControl {
public:
    static constexpr std::string_view kClassName = "TScrollBox";
    explicit TScrollBox(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // bsNone or bsSingle (a sunken edge).
    TFormBorderStyle BorderStyle() const { return border_style_; }
    void SetBorderStyle(TFormBorderStyle value);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TFormBorderStyle border_style_ = bsSingle;
};

}  // namespace korvane
