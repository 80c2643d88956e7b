// Skinned controls read back from their windows, pixel by pixel, against the
// same skin pieces composed by the drawing utilities; clicks and hover with
// real mouse input.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "framework/win/buttons.h"
#include "framework/win/check_buttons.h"
#include "framework/win/comctrls.h"
#include "framework/win/speed_button.h"
#include "framework/win/window_proc_hook.h"
#include "framework/win/user_input.h"
#include "skin/controls/skin_bit_button.h"
#include "skin/controls/skin_button.h"
#include "skinned_controls.h"

namespace korvane::testing {
namespace {

using SkinnedButtons = SkinnedControlsTest;

TEST_F(SkinnedButtons, EachStateShowsItsFrameOfTheButtonsStrip) {
    TForm* form = NewForm();
    auto* button = Place<TButton>(form, 20, 20, 90, 30);
    auto* other = Place<TButton>(form, 20, 70, 90, 30);
    TControlSkins& skins = Skin(*form);
    auto* object = dynamic_cast<TSkinButton*>(skins.FindControlByHandle(button->Handle()));
    ASSERT_NE(object, nullptr);
    const TDataSkinButton& buttons = Model().Buttons;
    ASSERT_FALSE(buttons.Bitmap.empty());
    const Size size = ClientSize(button->Handle());
    auto face = [&](int index) { return ElementFace(buttons, size, 5, index); };

    other->SetFocus();
    Pump();
    EXPECT_EQ(WindowDifferences(button->Handle(), face(csNormal)), 0);
    // Focus: shown at once, without a message loop (the system paints its
    // own focused face outside WM_PAINT).
    SetFocus(button->Handle());
    EXPECT_EQ(WindowDifferences(button->Handle(), face(csHot)), 0);
    SetFocus(other->Handle());
    EXPECT_EQ(WindowDifferences(button->Handle(), face(csNormal)), 0);
    // Hot.
    SendMessageW(button->Handle(), CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(object->State, TSkinControl::kHot);
    EXPECT_EQ(WindowDifferences(button->Handle(), face(csHot)), 0);
    // Pressed (the press also takes the focus).
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), button->Handle());
    EXPECT_EQ(WindowDifferences(button->Handle(), face(csPressed)), 0);
    SendMessageW(button->Handle(), CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(object->State, 0);
    // The system's BM_SETSTATE painting is covered again at once.
    SendMessageW(button->Handle(), BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(WindowDifferences(button->Handle(), face(csHot)), 0);
    // Disabled wins.
    button->SetEnabled(false);
    Pump();
    EXPECT_EQ(WindowDifferences(button->Handle(), face(csDisabled)), 0);
}

TEST_F(SkinnedButtons, PressAndReleaseWithTheMouseGivesExactlyOneCommand) {
    TForm* form = NewForm();
    auto* button = Place<TButton>(form, 20, 20, 90, 30, "Go");
    int clicks = 0, commands = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    Skin(*form);
    WindowProcHook count(*form, [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_COMMAND && m.LParam == reinterpret_cast<LPARAM>(button->Handle())) {
            ++commands;
            EXPECT_EQ(m.WParam, 0u);
        }
        next(m);
    });
    MoveMouseTo(button->Handle(), {40, 15});
    Pump();
    LeftDown();
    Pump();
    LeftUp();
    PumpUntil([&] { return clicks > 0; });
    Pump();
    EXPECT_EQ(commands, 1);
    EXPECT_EQ(clicks, 1);
    // A press released elsewhere gives none.
    MoveMouseTo(button->Handle(), {40, 15});
    LeftDown();
    Pump();
    MoveMouseTo(form->Handle(), {300, 200});
    LeftUp();
    Pump();
    EXPECT_EQ(commands, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(SkinnedButtons, MovingFromOneButtonToAnotherLeavesTheFirstBeforeTheSecondIsHot) {
    TForm* form = NewForm();
    auto* a = Place<TButton>(form, 20, 20, 90, 30, "A");
    auto* b = Place<TButton>(form, 140, 20, 90, 30, "B");
    TControlSkins& skins = Skin(*form);
    TSkinControl* object_a = skins.FindControlByHandle(a->Handle());
    TSkinControl* object_b = skins.FindControlByHandle(b->Handle());
    ASSERT_TRUE(object_a && object_b);
    std::vector<std::string> order;
    WindowProcHook watch_a(*a, [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == CM_MOUSELEAVE) order.push_back(skins.HotControl == object_b ? "A left late" : "A left");
        next(m);
    });
    WindowProcHook watch_b(*b, [&](TMessage& m, const TWndMethod& next) {
        next(m);
        if (skins.HotControl == object_b && (order.empty() || order.back() != "B hot")) order.push_back("B hot");
    });
    MoveMouseTo(a->Handle(), {30, 15});
    PumpUntil([&] { return skins.HotControl == object_a; });
    EXPECT_EQ(skins.HotControl, object_a);
    order.clear();
    MoveMouseTo(b->Handle(), {30, 15});
    PumpUntil([&] { return skins.HotControl == object_b; });
    Pump();
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.front(), "A left");
    EXPECT_EQ(order.back(), "B hot");
    EXPECT_EQ(object_a->State, 0);
    EXPECT_EQ(object_b->State, TSkinControl::kHot);
}

TEST_F(SkinnedButtons, AnOwnerDrawnBitButtonShowsOnlyTheSkinWhateverTheSystemRedraws) {
    TForm* form = NewForm();
    auto* bit = Place<TBitBtn>(form, 20, 20, 90, 30);
    auto* other = Place<TButton>(form, 20, 70, 90, 30);
    TControlSkins& skins = Skin(*form);
    ASSERT_NE(dynamic_cast<TSkinBitButton*>(skins.FindControlByHandle(bit->Handle())), nullptr);
    const Size size = ClientSize(bit->Handle());
    auto face = [&](int index) { return ElementFace(Model().Buttons, size, Model().Buttons.Frame, index); };
    other->SetFocus();
    Pump();
    EXPECT_EQ(WindowDifferences(bit->Handle(), face(csNormal)), 0);
    // The system asks the owner to draw on focus and state changes; no loop runs here.
    SetFocus(bit->Handle());
    EXPECT_EQ(WindowDifferences(bit->Handle(), face(csHot)), 0);
    SendMessageW(bit->Handle(), BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(WindowDifferences(bit->Handle(), face(csHot)), 0);
    SendMessageW(bit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(WindowDifferences(bit->Handle(), face(csPressed)), 0);
}

using SkinnedBoxes = SkinnedControlsTest;

// The check or radio image cell `frame` over the face at the box rectangle.
Image BoxImage(const Image& strip, int frames, int frame) {
    const int w = strip.width() / frames;
    Image box(w, strip.height(), Face());
    DrawStripFrame(box.mutable_view(), {0, 0, w, strip.height()}, {strip.view(), frames, false}, frame, true);
    return box;
}

TEST_F(SkinnedBoxes, CheckBoxAndRadioButtonShowTheirFramesRightAfterEachChange) {
    TForm* form = NewForm();
    auto* check = Place<TCheckBox>(form, 20, 20, 150, 20, "Check");
    auto* radio = Place<TRadioButton>(form, 20, 60, 150, 20, "Radio");
    check->SetAllowGrayed(true);
    TControlSkins& skins = Skin(*form);
    ASSERT_NE(skins.FindControlByHandle(check->Handle()), nullptr);
    ASSERT_NE(skins.FindControlByHandle(radio->Handle()), nullptr);
    const TDataSkinButton& b = Model().Buttons;
    ASSERT_FALSE(b.CheckButton.empty());
    ASSERT_FALSE(b.RadioButton.empty());
    const Size cell{b.CheckButton.width() / b.CheckButtonFrame, b.CheckButton.height()};
    const Size radio_cell{b.RadioButton.width() / b.RadioButtonFrame, b.RadioButton.height()};
    const Rect box = check_box_rect({0, 0, 150, 20}, cell, false);
    const Rect radio_box = check_box_rect({0, 0, 150, 20}, radio_cell, false);
    auto check_shows = [&](int frame) {
        return WindowDifferences(check->Handle(), BoxImage(b.CheckButton, b.CheckButtonFrame, frame), box.top_left());
    };
    auto radio_shows = [&](int frame) {
        return WindowDifferences(radio->Handle(), BoxImage(b.RadioButton, b.RadioButtonFrame, frame),
                                 radio_box.top_left());
    };
    EXPECT_EQ(check_shows(1), 0);
    EXPECT_EQ(radio_shows(1), 0);
    // Each change shows at once, without a message loop.
    SendMessageW(check->Handle(), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(check_shows(2), 0);
    SendMessageW(check->Handle(), BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(check_shows(4), 0);
    SendMessageW(radio->Handle(), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(radio_shows(2), 0);
    SetFocus(check->Handle());
    EXPECT_EQ(check_shows(4), 0);
    check->SetEnabled(false);
    radio->SetEnabled(false);
    Pump();
    EXPECT_EQ(check_shows(3), 0);
    EXPECT_EQ(radio_shows(4), 0);
    SendMessageW(radio->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(radio_shows(3), 0);
}

using SkinnedProgress = SkinnedControlsTest;

TEST_F(SkinnedProgress, HalfOfTheRangeFillsHalfOfTheBar) {
    TForm* form = NewForm();
    auto* bar = Place<TProgressBar>(form, 20, 20, 200, 18);
    bar->SetMin(0);
    bar->SetMax(100);
    bar->SetPosition(50);
    Skin(*form);
    const auto& element = *Model().Progress;
    ASSERT_FALSE(element.Bitmap.empty());
    ASSERT_NE(element.Style, 1);
    const Size size = ClientSize(bar->Handle());
    ASSERT_EQ(size.width, 200);
    auto expected = [&](int fill) {
        Image face(size.width, size.height, Face());
        const Margins m{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
        DrawNineSlice(face.mutable_view(), {0, 0, size.width, size.height}, {element.Bitmap.view(), 2, false}, 1,
                      m, element.Tile != 0, true);
        if (fill > 0)
            DrawNineSlice(face.mutable_view(), {0, 0, fill, size.height}, {element.Bitmap.view(), 2, false}, 2, m,
                          element.Tile != 0, true);
        return face;
    };
    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(WindowDifferences(bar->Handle(), expected(100)), 0);
    bar->SetPosition(0);
    Pump();
    EXPECT_EQ(WindowDifferences(bar->Handle(), expected(0)), 0);
    // From the minimum: 75 of 50..150 is a quarter.
    bar->SetMin(50);
    bar->SetMax(150);
    bar->SetPosition(75);
    Pump();
    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(WindowDifferences(bar->Handle(), expected(50)), 0);
}

using SkinnedSpeedButtons = SkinnedControlsTest;

// A speed button without a glyph: the face of its state with the caption
// centred in the skin's text colour for that state, unless the program gave
// the caption a colour of its own.
TEST_F(SkinnedSpeedButtons, ACaptionTakesTheSkinsTextColourUnlessTheProgramChoseOne) {
    TForm* form = NewForm();
    auto* button = Place<TSpeedButton>(form, 20, 20, 40, 24, "B");
    Skin(*form);
    const TDataSkinButton& element = Model().Buttons;
    ASSERT_FALSE(element.Bitmap.empty());
    const Size size{40, 24};
    auto expected = [&](Color colour) {
        TBitmap face;
        face.SetImage(ElementFace(element, size, 5, 1));
        HDC dc = face.Canvas().Handle();
        UniqueGdi<HFONT> font = CreateFontHandle(button->Font());
        HGDIOBJ old_font = SelectObject(dc, font.get());
        SIZE extent{};
        GetTextExtentPoint32W(dc, L"B", 1, &extent);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(colour));
        TextOutW(dc, (size.width - extent.cx) / 2, (size.height - extent.cy) / 2 - 1, L"B", 1);
        SelectObject(dc, old_font);
        return Image::copy_of(face.View());
    };
    auto shows = [&]() {
        HDC dc = GetDC(form->Handle());
        TBitmap shot;
        shot.SetSize(size.width, size.height);
        BitBlt(shot.Canvas().Handle(), 0, 0, size.width, size.height, dc, 20, 20, SRCCOPY);
        ReleaseDC(form->Handle(), dc);
        return Image::copy_of(shot.View());
    };
    ASSERT_TRUE(is_system_color(button->Font().GetColor()));
    ASSERT_NE(ColorToRGB(element.NormalColour2), ColorToRGB(button->Font().GetColor()));
    form->Repaint();
    Pump();
    EXPECT_EQ(Differences(shows(), {0, 0}, expected(element.NormalColour2)), 0);
    button->Font().SetColor(rgb(200, 0, 0));
    form->Repaint();
    Pump();
    EXPECT_EQ(Differences(shows(), {0, 0}, expected(rgb(200, 0, 0))), 0);
}

}  // namespace
}  // namespace korvane::testing
