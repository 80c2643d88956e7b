#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/win/bitmap.h"
#include "framework/win/speed_button.h"
#include "user_input.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using SpeedButtonTest = FrameworkTest;

struct Toolbar {
    TForm* form;
    std::vector<TSpeedButton*> buttons;
    std::vector<std::string> clicks;
};

// Three buttons of one group and a fourth of none, 30 pixels apart.
void Build(TApplication& app, Toolbar& bar) {
    bar.form = app.CreateForm<TForm>();
    bar.form->SetBounds(100, 100, 300, 200);
    for (int i = 0; i < 4; ++i) {
        auto* b = new TSpeedButton(bar.form);
        b->SetParent(bar.form);
        b->SetBounds(10 + 30 * i, 10, 25, 25);
        b->SetCaption(std::string(1, char('A' + i)));
        if (i < 3) b->SetGroupIndex(1);
        b->OnClick = [&bar, b](TObject*) { bar.clicks.push_back(b->Caption()); };
        bar.buttons.push_back(b);
    }
    bar.form->Show();
}

void ClickOn(TSpeedButton* b) {
    MoveMouseTo(b->Parent()->Handle(), {b->Left() + 5, b->Top() + 5});
    LeftDown();
    LeftUp();
}

TEST_F(SpeedButtonTest, GroupedButtonsLatchOneAtATime) {
    Toolbar bar;
    Build(*app_, bar);
    auto& b = bar.buttons;
    ClickOn(b[0]);
    PumpUntil([&] { return bar.clicks.size() == 1; });
    EXPECT_TRUE(b[0]->Down());
    ClickOn(b[1]);
    PumpUntil([&] { return bar.clicks.size() == 2; });
    EXPECT_TRUE(b[1]->Down());
    EXPECT_FALSE(b[0]->Down());
    // The down button of a group that does not allow all up stays down.
    ClickOn(b[1]);
    PumpUntil([&] { return bar.clicks.size() == 3; });
    EXPECT_TRUE(b[1]->Down());
    b[0]->SetAllowAllUp(true);  // for the whole group
    EXPECT_TRUE(b[2]->AllowAllUp());
    ClickOn(b[1]);
    PumpUntil([&] { return bar.clicks.size() == 4; });
    EXPECT_FALSE(b[1]->Down());
    // Without a group a button never latches.
    ClickOn(b[3]);
    PumpUntil([&] { return bar.clicks.size() == 5; });
    EXPECT_FALSE(b[3]->Down());
    b[3]->SetDown(true);
    EXPECT_FALSE(b[3]->Down());
    EXPECT_EQ(bar.clicks, (std::vector<std::string>{"A", "B", "B", "B", "D"}));
}

TEST_F(SpeedButtonTest, ReleasedAwayFromTheButtonItIsNoClickAndDisabledItTakesNoPress) {
    Toolbar bar;
    Build(*app_, bar);
    TSpeedButton* b = bar.buttons[2];
    HWND form = bar.form->Handle();
    MoveMouseTo(form, {b->Left() + 5, b->Top() + 5});
    LeftDown();
    PumpUntil([&] { return b->Pressed(); });
    EXPECT_TRUE(b->Pressed());
    // Dragged off, it shows up again; back on, pressed.
    MoveMouseTo(form, {200, 150});
    PumpUntil([&] { return !b->Pressed(); });
    EXPECT_FALSE(b->Pressed());
    LeftUp();
    Pump();
    EXPECT_FALSE(b->Down());
    EXPECT_TRUE(bar.clicks.empty());

    b->SetEnabled(false);
    ClickOn(b);
    Pump();
    EXPECT_TRUE(bar.clicks.empty());
}

TEST_F(SpeedButtonTest, FaceShowsFlatHotDownAndTheGlyphCellOfEachState) {
    Toolbar bar;
    Build(*app_, bar);
    TSpeedButton* b = bar.buttons[0];
    b->SetCaption("");
    b->SetColor(rgb(0, 128, 0));
    b->SetFlat(true);
    // Four 8x8 cells, each one colour with the key colour in its bottom-left pixel.
    const std::uint32_t cells[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};
    b->Glyph().SetSize(32, 8);
    MutableImageView g = b->Glyph().MutableView();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 32; ++x) {
            std::uint32_t c = x % 8 == 0 && y == 7 ? 0xFF00FF : cells[x / 8];
            g.at(x, y) = pixel_rgb(std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c));
        }
    b->SetNumGlyphs(4);
    b->GlyphChanged();

    auto paint = [&] {
        TBitmap target;
        target.SetSize(25, 25);
        b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.Canvas().Handle()));
        return Image::copy_of(target.View());
    };
    auto pixel_of = [](Color c) { return rgb_of(to_pixel(Color(ColorToRGB(c)))); };
    // The 8x8 cell is centred: at (8, 9); one pixel further down-right when pushed.
    Image up = paint();
    EXPECT_EQ(rgb_of(up.at(0, 0)), 0x008000u);  // flat: no edge
    EXPECT_EQ(rgb_of(up.at(8, 9)), 0xFF0000u);
    EXPECT_EQ(rgb_of(up.at(15, 16)), 0xFF0000u);
    EXPECT_EQ(rgb_of(up.at(8, 16)), 0x008000u);  // the key pixel is not drawn
    EXPECT_EQ(rgb_of(up.at(16, 16)), 0x008000u);

    MoveMouseTo(bar.form->Handle(), {b->Left() + 3, b->Top() + 3});
    PumpUntil([&] { return b->MouseInControl(); });
    Image hot = paint();
    EXPECT_EQ(rgb_of(hot.at(0, 0)), pixel_of(clBtnHighlight));
    EXPECT_EQ(rgb_of(hot.at(24, 24)), pixel_of(clBtnShadow));

    LeftDown();
    PumpUntil([&] { return b->Pressed(); });
    Image pressed = paint();
    EXPECT_EQ(rgb_of(pressed.at(0, 0)), pixel_of(clBtnShadow));
    EXPECT_EQ(rgb_of(pressed.at(16, 17)), 0x0000FFu);  // pressed cell, one pixel down-right
    EXPECT_EQ(rgb_of(pressed.at(8, 9)), 0x008000u);
    LeftUp();
    PumpUntil([&] { return b->Down(); });
    EXPECT_EQ(rgb_of(paint().at(16, 17)), 0xFFFF00u);  // the down cell
    b->SetEnabled(false);
    EXPECT_EQ(rgb_of(paint().at(12, 12)), 0x00FF00u);  // the disabled cell wins
}

}  // namespace
}  // namespace korvane::testing
