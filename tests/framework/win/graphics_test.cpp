#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/error.h"
#include "framework/win/bitmap.h"
#include "framework/win/buttons.h"
#include "framework/win/extctrls.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using GraphicsTest = FrameworkTest;

constexpr std::uint32_t kRed = 0x00FF0000, kKey = 0x00FF00FF;

// The smallest rectangle holding the pixels of one colour; empty when none.
Rect BoundsOf(ImageView view, std::uint32_t colour) {
    Rect r{view.width(), view.height(), 0, 0};
    for (int y = 0; y < view.height(); ++y)
        for (int x = 0; x < view.width(); ++x)
            if (rgb_of(view.at(x, y)) == colour) {
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
    return r.is_empty() ? Rect{} : r;
}

TEST_F(GraphicsTest, BitmapCanvasDrawingShowsInItsView) {
    TBitmap bitmap;
    bitmap.SetSize(4, 3);
    EXPECT_EQ(rgb_of(bitmap.View().at(3, 2)), 0xFFFFFFu);  // a new bitmap is white
    bitmap.Canvas().Brush().SetColor(rgb(255, 0, 0));
    bitmap.Canvas().FillRect({1, 1, 3, 2});
    ImageView view = bitmap.View();
    EXPECT_EQ(rgb_of(view.at(1, 1)), kRed);
    EXPECT_EQ(rgb_of(view.at(2, 1)), kRed);
    EXPECT_EQ(rgb_of(view.at(0, 1)), 0xFFFFFFu);
    EXPECT_EQ(rgb_of(view.at(3, 1)), 0xFFFFFFu);
    bitmap.MutableView().at(0, 0) = 0xFF0000FF;
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), rgb(0, 0, 255));
}

TEST_F(GraphicsTest, BitmapSurvivesABmpFileRoundTrip) {
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.MutableView().at(2, 1) = pixel_rgb(255, 0, 0);
    bitmap.MutableView().at(0, 0) = pixel_rgb(0, 0, 255);
    std::string path = narrow((std::filesystem::temp_directory_path() / "korvane-bitmap.bmp").wstring());
    bitmap.SaveToFile(path);
    TBitmap loaded;
    loaded.LoadFromFile(path);
    ASSERT_EQ(loaded.Width(), 3);
    ASSERT_EQ(loaded.Height(), 2);
    EXPECT_EQ(rgb_of(loaded.View().at(2, 1)), kRed);
    EXPECT_EQ(rgb_of(loaded.View().at(0, 0)), 0x0000FFu);
    EXPECT_EQ(rgb_of(loaded.View().at(1, 1)), 0xFFFFFFu);
    std::filesystem::remove(std::filesystem::path(widen(path)));
    EXPECT_THROW(loaded.LoadFromFile(path), Error);
}

TEST_F(GraphicsTest, MonochromeRowsMayComeBottomUpAsInABmpFile) {
    // Rows padded to 4 bytes, bottom row first: the bottom row has ink at x = 0.
    const std::uint8_t rows[] = {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    TBitmap mono;
    mono.SetMonochrome(3, 2, rows, 4, TBitmap::RowOrder::bottom_up);
    EXPECT_TRUE(mono.Monochrome());
    TBitmap target;
    target.SetSize(3, 2);
    target.Canvas().Font().SetColor(rgb(255, 0, 0));  // ink
    target.Canvas().Brush().SetColor(rgb(0, 0, 255)); // paper
    target.Canvas().Draw(0, 0, mono);
    ImageView v = target.View();
    EXPECT_EQ(rgb_of(v.at(0, 1)), kRed);
    EXPECT_EQ(rgb_of(v.at(0, 0)), 0x0000FFu);
    EXPECT_EQ(rgb_of(v.at(2, 1)), 0x0000FFu);
    // Data shorter than the size is refused.
    EXPECT_THROW(mono.SetMonochrome(3, 3, rows, 4), Error);
}

TEST_F(GraphicsTest, BitBtnPlacesGlyphAndCaptionForAllFourLayouts) {
    auto* form = app_->CreateForm<TForm>();
    auto* button = new TBitBtn(form);
    button->SetParent(form);
    button->SetCaption("Go");
    button->Font().SetColor(rgb(0, 0, 255));
    // A red 8 x 8 glyph whose bottom-left pixel (the transparent colour) is magenta.
    button->Glyph().SetSize(8, 8);
    button->Glyph().Canvas().Brush().SetColor(rgb(255, 0, 0));
    button->Glyph().Canvas().FillRect({0, 0, 8, 8});
    button->Glyph().MutableView().at(0, 7) = 0xFFFF00FF;
    form->Show();

    struct Case {
        TButtonLayout layout;
        Size size;
    };
    for (Case c : {Case{blGlyphLeft, {120, 30}}, Case{blGlyphRight, {120, 30}}, Case{blGlyphTop, {60, 60}},
                   Case{blGlyphBottom, {60, 60}}}) {
        SCOPED_TRACE(int(c.layout));
        button->SetLayout(c.layout);
        button->SetBounds(0, 0, c.size.width, c.size.height);
        TBitmap target;
        target.SetSize(c.size.width, c.size.height);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.hwndItem = button->Handle();
        item.hDC = target.Canvas().Handle();
        item.rcItem = RECT{0, 0, c.size.width, c.size.height};
        button->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));

        GlyphPlacement expected = button->Placement(c.size);
        // The glyph lands exactly where the layout says, without its transparent pixel.
        EXPECT_EQ(BoundsOf(target.View(), kRed), Rect::from_size(expected.glyph.x, expected.glyph.y, 8, 8));
        EXPECT_EQ(rgb_of(target.View().at(expected.glyph.x, expected.glyph.y + 7)) == kKey, false);
        // The caption's ink stays inside its rectangle, which is beside the glyph.
        Rect ink = BoundsOf(target.View(), 0x0000FF);
        ASSERT_FALSE(ink.is_empty());
        EXPECT_EQ(ink.intersected(expected.text), ink);
        EXPECT_TRUE(ink.intersected(Rect::from_size(expected.glyph.x, expected.glyph.y, 8, 8)).is_empty());
    }
}

TEST_F(GraphicsTest, MonochromePictureIsDrawnInWindowTextOnWhiteAndSizesImageAndForm) {
    auto* form = app_->CreateForm<TForm>();
    form->SetAutoSize(true);
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetAutoSize(true);
    // 10 x 2: the top row ink at x = 0 and 9, the bottom row all paper.
    const std::uint8_t rows[] = {0x7F, 0xBF, 0xFF, 0xFF};
    image->Picture().Bitmap().SetMonochrome(10, 2, rows, 2);
    image->Picture().Changed();
    EXPECT_EQ(image->BoundsRect(), Rect::from_size(0, 0, 10, 2));
    EXPECT_EQ(form->ClientRect().size(), (Size{10, 2}));
    form->Show();
    EXPECT_EQ(form->ClientRect().size(), (Size{10, 2}));

    TBitmap target;
    target.SetSize(10, 2);
    target.Canvas().Brush().SetColor(rgb(0, 255, 0));
    target.Canvas().FillRect({0, 0, 10, 2});
    image->Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.Canvas().Handle()));
    const std::uint32_t ink = ColorToRGB(clWindowText);
    const std::uint32_t ink_pixel = (ink & 0xFF) << 16 | (ink & 0xFF00) | (ink >> 16 & 0xFF);
    ImageView v = target.View();
    EXPECT_EQ(rgb_of(v.at(0, 0)), ink_pixel);
    EXPECT_EQ(rgb_of(v.at(1, 0)), 0xFFFFFFu);
    EXPECT_EQ(rgb_of(v.at(9, 0)), ink_pixel);
    EXPECT_EQ(rgb_of(v.at(5, 1)), 0xFFFFFFu);
}

}  // namespace
}  // namespace korvane::testing
