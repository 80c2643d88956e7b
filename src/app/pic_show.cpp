#include "app/pic_show.h"

#include <algorithm>
#include <vector>

#include "app/form_fields.h"

namespace korvane {

TForm1* Form1 = nullptr;

void TForm1::Loaded() {
    TForm::Loaded();
    Image1 = &FormField<TImage>(*this, "Image1");
}

void TForm1::SetPage(const PageImage& page) {
    // The page keeps its rows bottom-up, as its BMP file does; the bitmap wants them top-down.
    const std::size_t stride = page.stride();
    auto rows = page.bmp_rows();
    std::vector<std::uint8_t> top_down(rows.size());
    for (int y = 0; y < page.height(); ++y) {
        auto row = rows.subspan(std::size_t(page.height() - 1 - y) * stride, stride);
        std::copy(row.begin(), row.end(), top_down.begin() + std::ptrdiff_t(std::size_t(y) * stride));
    }
    Image1->Picture().Bitmap().SetMonochrome(page.width(), page.height(), top_down, int(stride));
    Image1->Picture().Changed();
}

}  // namespace korvane
