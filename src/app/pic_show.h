#pragma once
// TForm1 (unit PicShow): the preview window. It shows the last converted page
// at 1:1; the image and the window size themselves to the page.

#include "convert/page_image.h"
#include "framework/win/extctrls.h"
#include "framework/win/form.h"

namespace korvane {

class TForm1 : public TForm {
public:
    static constexpr std::string_view kClassName = "TForm1";

    explicit TForm1(TComponent* owner) : TForm(owner) {}
    std::string_view ClassName() const override { return kClassName; }

    // Puts a copy of the page into Image1, which resizes the window.
    void SetPage(const PageImage& page);

    TImage* Image1 = nullptr;

protected:
    void Loaded() override;
};

// The preview window, made hidden at start-up.
extern TForm1* Form1;

}  // namespace korvane
