// Push buttons read back from their windows: speed buttons in every state
// (flat and grouped ones too), where glyphs and captions go for each layout,
// margin and spacing, and the faces the space key, focus changes and
// BM_SETCHECK leave right after them, on framework forms and in plain dialogs.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/win/buttons.h"
#include "framework/win/speed_button.h"
#include "framework/win/user_input.h"
#include "framework/win/window_proc_hook.h"
#include "framework/win/window_subclass.h"
#include "skin/controls/skin_speed_button.h"
#include "skinned_controls.h"

namespace korvane::testing {
namespace {

using ButtonFaces = SkinnedControlsTest;

constexpr Pixel kGreen = pixel_rgb(0, 255, 0);
constexpr Pixel kBlue = pixel_rgb(0, 0, 255);
constexpr Pixel kWhite = pixel_rgb(255, 255, 255);

// A glyph strip of 16 × 16 cells in the given colours, each cell's
// bottom-left pixel white (its transparent colour).
void SetGlyph(TBitmap& glyph, const std::vector<Pixel>& cells) {
    Image strip(16 * int(cells.size()), 16, kWhite);
    for (std::size_t i = 0; i < cells.size(); ++i)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (x != 0 || y != 15) strip.at(int(i) * 16 + x, y) = cells[i];
    glyph.SetImage(strip.view());
}

// The bounding box of the pixels of that colour in the area of the shot.
Rect BoxOf(const Image& shot, const Rect& area, Pixel colour) {
    Rect box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (rgb_of(shot.at(x, y)) == rgb_of(colour)) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box.is_empty() ? Rect{} : box;
}

// Where the client area of a window starts in its window DC.
Point ClientOrigin(HWND window) {
    POINT p{0, 0};
    ClientToScreen(window, &p);
    RECT r{};
    GetWindowRect(window, &r);
    return {p.x - r.left, p.y - r.top};
}

// A windowless button as its parent's window shows it, in the button's coordinates.
Image ShotOf(TGraphicControl& button) {
    HWND parent = button.Parent()->Handle();
    const Image shot = Capture(parent);
    const Rect bounds = button.BoundsRect().translated(ClientOrigin(parent).x, ClientOrigin(parent).y);
    Image out(bounds.width(), bounds.height());
    for (int y = 0; y < bounds.height(); ++y)
        for (int x = 0; x < bounds.width(); ++x) out.at(x, y) = shot.at(bounds.left + x, bounds.top + y);
    return out;
}

int SpeedDifferences(TSpeedButton& button, int index) {
    const TDataSkinButton& b = Model().Buttons;
    return Differences(ShotOf(button), {0, 0}, ElementFace(b, button.BoundsRect().size(), b.Frame, index));
}

TEST_F(ButtonFaces, SpeedButtonsShowTheirStateFlatOrNotAndADownButtonStaysPressed) {
    TForm* form = NewForm();
    auto* a = Place<TSpeedButton>(form, 20, 20, 60, 26);
    auto* b = Place<TSpeedButton>(form, 90, 20, 60, 26);
    auto* flat = Place<TSpeedButton>(form, 160, 20, 60, 26);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    flat->SetFlat(true);
    Skin(*form);
    // The skin's face replaces the flat look too.
    EXPECT_EQ(SpeedDifferences(*a, csNormal), 0);
    EXPECT_EQ(SpeedDifferences(*flat, csNormal), 0);
    // Hot and pressed show at once, without a message loop.
    flat->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(SpeedDifferences(*flat, csHot), 0);
    flat->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(SpeedDifferences(*flat, csPressed), 0);
    flat->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(SpeedDifferences(*flat, csHot), 0);
    flat->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(SpeedDifferences(*flat, csNormal), 0);

    // A click latches a grouped button: pressed even under the mouse.
    MoveMouseTo(form->Handle(), {40, 30});
    Pump();
    LeftDown();
    Pump();
    LeftUp();
    PumpUntil([&] { return a->Down(); });
    ASSERT_TRUE(a->Down());
    Pump();
    EXPECT_EQ(SpeedDifferences(*a, csPressed), 0);
    // The other button of the group takes the latch; the first comes up.
    MoveMouseTo(form->Handle(), {110, 30});
    Pump();
    LeftDown();
    Pump();
    LeftUp();
    PumpUntil([&] { return b->Down(); });
    ASSERT_FALSE(a->Down());
    Pump();
    EXPECT_EQ(SpeedDifferences(*b, csPressed), 0);
    EXPECT_EQ(SpeedDifferences(*a, csNormal), 0);
    flat->SetEnabled(false);
    Pump();
    EXPECT_EQ(SpeedDifferences(*flat, csDisabled), 0);
}

// Width of the caption in the button's font.
int TextWidth(HWND button, const wchar_t* text) {
    HDC dc = GetDC(button);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text, -1, &r, DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    return r.right - r.left;
}

TEST_F(ButtonFaces, GlyphAndCaptionGoWhereTheLayoutMarginAndSpacingSay) {
    TForm* form = NewForm(520, 300);
    struct Case {
        TButtonLayout layout;
        int margin, spacing;
        const char* caption;
        Point glyph;  // where the glyph's top-left lands in a 90 × 30 button
    };
    // Without a caption the spacing counts as 0; -1 margins centre the group.
    const Case cases[] = {
        {blGlyphLeft, -1, 4, "", {37, 7}},     {blGlyphRight, 2, 4, "", {72, 7}},
        {blGlyphTop, 3, 4, "", {37, 3}},       {blGlyphBottom, 3, 4, "", {37, 11}},
        {blGlyphLeft, -1, -1, "", {37, 7}},    {blGlyphLeft, 5, 4, "Go", {5, 7}},
        {blGlyphRight, 5, 4, "Go", {69, 7}},
    };
    std::vector<TBitBtn*> buttons;
    for (const Case& c : cases) {
        auto* button = Place<TBitBtn>(form, 10 + int(buttons.size() % 4) * 100, 10 + int(buttons.size() / 4) * 40,
                                      90, 30, c.caption);
        SetGlyph(button->Glyph(), {kGreen});
        button->GlyphChanged();
        button->SetLayout(c.layout);
        button->SetMargin(c.margin);
        button->SetSpacing(c.spacing);
        buttons.push_back(button);
    }
    auto* thirds = Place<TBitBtn>(form, 10, 100, 90, 30, "Go");
    auto* no_glyph = Place<TBitBtn>(form, 110, 100, 90, 30, "Go");
    auto* blank = Place<TBitBtn>(form, 210, 100, 90, 30, "");
    SetGlyph(thirds->Glyph(), {kGreen});
    thirds->SetSpacing(-1);
    Skin(*form);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const Rect glyph = BoxOf(Capture(buttons[i]->Handle()), {0, 0, 90, 30}, kGreen);
        EXPECT_EQ(glyph, Rect::from_size(cases[i].glyph.x, cases[i].glyph.y, 16, 16)) << i;
    }
    // With a caption the text follows the glyph after the spacing: ink of the
    // caption lies right of 5 + 16 + 4 on the left layout, left of 69 - 4 on the right.
    auto ink = [&](TBitBtn* button) {
        const Image with = Capture(button->Handle());
        const Image face = ElementFace(Model().Buttons, {90, 30}, Model().Buttons.Frame, csNormal);
        Rect box{90, 30, 0, 0};
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 90; ++x)
                if (rgb_of(with.at(x, y)) != rgb_of(face.at(x, y)) && rgb_of(with.at(x, y)) != rgb_of(kGreen)) {
                    box.left = std::min(box.left, x);
                    box.right = std::max(box.right, x + 1);
                }
        return box;
    };
    buttons[0]->SetFocus();  // the focused face differs; keep it off the measured ones
    Pump();
    const Rect left_ink = ink(buttons[5]);
    EXPECT_GE(left_ink.left, 25);
    EXPECT_LT(left_ink.left, 25 + 4);
    const Rect right_ink = ink(buttons[6]);
    EXPECT_LE(right_ink.right, 65);
    EXPECT_GT(right_ink.right, 65 - 4);
    // Margin and spacing -1: a third of the free width each.
    const int text = TextWidth(thirds->Handle(), L"Go");
    EXPECT_EQ(BoxOf(Capture(thirds->Handle()), {0, 0, 90, 30}, kGreen).left, (90 - 16 - text) / 3);
    // No glyph: the caption alone; no caption and no glyph: the bare face.
    EXPECT_GT(ink(no_glyph).right, 0);
    EXPECT_EQ(WindowDifferences(blank->Handle(), ElementFace(Model().Buttons, {90, 30}, Model().Buttons.Frame,
                                                             csNormal)),
              0);
}

TEST_F(ButtonFaces, ASpeedButtonCentresItsGroupOnePixelFurtherAndShowsItsDisabledGlyph) {
    TForm* form = NewForm();
    auto* bit = Place<TBitBtn>(form, 20, 20, 90, 30, "Go");
    auto* speed = Place<TSpeedButton>(form, 20, 70, 90, 30, "Go");
    SetGlyph(bit->Glyph(), {kGreen, kBlue});
    bit->SetNumGlyphs(2);
    SetGlyph(speed->Glyph(), {kGreen, kBlue});
    speed->SetNumGlyphs(2);
    speed->GlyphChanged();
    Skin(*form);
    const Rect bit_glyph = BoxOf(Capture(bit->Handle()), {0, 0, 90, 30}, kGreen);
    const Rect speed_glyph = BoxOf(ShotOf(*speed), {0, 0, 90, 30}, kGreen);
    ASSERT_FALSE(bit_glyph.is_empty());
    EXPECT_EQ(speed_glyph, bit_glyph.translated(1, 0));
    // Disabled: the bit button keeps image 1, the speed button shows image 2.
    bit->SetEnabled(false);
    speed->SetEnabled(false);
    Pump();
    EXPECT_EQ(BoxOf(Capture(bit->Handle()), {0, 0, 90, 30}, kGreen), bit_glyph);
    EXPECT_EQ(BoxOf(ShotOf(*speed), {0, 0, 90, 30}, kBlue), speed_glyph);
}

TEST_F(ButtonFaces, TheSpaceKeyPressesTheFocusedButtonAndItsReleaseGivesOneCommand) {
    TForm* form = NewForm();
    auto* button = Place<TButton>(form, 20, 20, 90, 30);
    int commands = 0;
    WindowProcHook count(*form, [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_COMMAND && m.LParam == reinterpret_cast<LPARAM>(button->Handle())) ++commands;
        next(m);
    });
    Skin(*form);
    const Size size = ClientSize(button->Handle());
    auto face = [&](int index) { return ElementFace(Model().Buttons, size, 5, index); };
    button->SetFocus();
    Pump();
    EXPECT_EQ(WindowDifferences(button->Handle(), face(csHot)), 0);
    // Right after each key, without a message loop.
    SendMessageW(button->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_EQ(WindowDifferences(button->Handle(), face(csPressed)), 0);
    SendMessageW(button->Handle(), WM_KEYUP, VK_SPACE, LPARAM(0xC0390001));
    EXPECT_EQ(WindowDifferences(button->Handle(), face(csHot)), 0);
    Pump();
    EXPECT_EQ(commands, 1);
    // The same with the real keyboard.
    SendKey(VK_SPACE, false);
    Pump();
    EXPECT_EQ(WindowDifferences(button->Handle(), face(csPressed)), 0);
    EXPECT_EQ(commands, 1);
    SendKey(VK_SPACE, true);
    Pump();
    EXPECT_EQ(commands, 2);
    EXPECT_EQ(WindowDifferences(button->Handle(), face(csHot)), 0);
}

HWND Child(HWND parent, DWORD style, int id, int y) {
    return CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10, y, 120, 24, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

TEST_F(ButtonFaces, PlainDialogButtonsShowTheSkinRightAfterFocusCheckAndSpaceKey) {
    HWND dialog = PlainWindow(L"Plain", WS_OVERLAPPEDWINDOW, 0, 60, 60, 300, 200);
    HWND push = Child(dialog, BS_PUSHBUTTON, 100, 10);
    HWND other = Child(dialog, BS_PUSHBUTTON, 101, 40);
    HWND check = Child(dialog, BS_CHECKBOX, 102, 70);
    int clicks = 0;
    WindowSubclass count;
    count.Install(dialog, [&](UINT msg, WPARAM wparam, LPARAM lparam) {
        if (msg == WM_COMMAND && lparam == reinterpret_cast<LPARAM>(push) && HIWORD(wparam) == BN_CLICKED &&
            LOWORD(wparam) == 100)
            ++clicks;
        return count.CallNext(msg, wparam, lparam);
    });
    auto& skins = SkinPlain(dialog);
    ASSERT_EQ(KindOf(skins, push), "TSkinButton");
    ASSERT_EQ(KindOf(skins, check), "TSkinCheckBox");
    auto face = [&](int index) { return ElementFace(Model().Buttons, ClientSize(push), 5, index); };

    SetFocus(other);
    EXPECT_EQ(WindowDifferences(push, face(csNormal)), 0);
    SetFocus(push);
    EXPECT_EQ(WindowDifferences(push, face(csHot)), 0);
    SendMessageW(push, WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_EQ(WindowDifferences(push, face(csPressed)), 0);
    SendMessageW(push, WM_KEYUP, VK_SPACE, LPARAM(0xC0390001));
    EXPECT_EQ(WindowDifferences(push, face(csHot)), 0);
    Pump();
    EXPECT_EQ(clicks, 1);
    SetFocus(other);
    EXPECT_EQ(WindowDifferences(push, face(csNormal)), 0);

    const TDataSkinButton& b = Model().Buttons;
    const Size cell{b.CheckButton.width() / b.CheckButtonFrame, b.CheckButton.height()};
    const Rect box = check_box_rect(Rect::from_size(0, 0, ClientSize(check).width, ClientSize(check).height), cell, false);
    auto check_shows = [&](int frame) {
        Image image(cell.width, cell.height, Face());
        DrawStripFrame(image.mutable_view(), {0, 0, cell.width, cell.height},
                       {b.CheckButton.view(), b.CheckButtonFrame, false}, frame, true);
        return WindowDifferences(check, image, box.top_left());
    };
    EXPECT_EQ(check_shows(1), 0);
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(check_shows(2), 0);
    SetFocus(check);
    EXPECT_EQ(check_shows(2), 0);
    SendMessageW(check, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(check_shows(1), 0);
    skin_->Release();
    skin_ = nullptr;
    count.Remove();
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace korvane::testing
