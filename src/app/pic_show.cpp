#include "app/pic_show.h"

#include "app/form_fields.h"

namespace korvane {

TForm1* Form1 = nullptr;

void TForm1::Loaded() {
    TForm::Loaded();
    Image1 = &FormField<TImage>(*this, "Image1");
}

void TForm1::SetPage(const PageImage& page) {
    // The page keeps its rows bottom-up, as its BMP file does.
    Image1->Picture().Bitmap().SetMonochrome(page.width(), page.height(), page.bmp_rows(), page.stride(),
                                             TBitmap::RowOrder::bottom_up);
    Image1->Picture().Changed();
}

}  // namespace korvane
