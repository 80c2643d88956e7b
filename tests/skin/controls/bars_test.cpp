// Status bars and track bars read back from their windows against the skin
// pieces composed by the drawing utilities: panels by bevel, the simple
// panel, the size grip, panel texts by alignment, and the track bar's thumb wherever it stands, under
// the mouse, held, upright, and in a plain dialog whose track bar tells only
// its parent of its drawing.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "base/bmp.h"
#include "base/win32_text.h"
#include "framework/win/status_bar.h"
#include "framework/win/track_bar.h"
#include "framework/win/user_input.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/controls/skin_track_bar.h"
#include "skinned_controls.h"
#include "skinpack/archive_writer.h"
#include "track_bar_dialog.h"

namespace korvane::testing {
namespace {

using SkinnedBars = SkinnedControlsTest;

struct Panel {
    Rect rect;
    int frame;
};

// The bar as the skin shows it: panels of the StatusBarEdges strip over the
// face (their texts empty) and, with a grip, frame 5 of ExtraImages one pixel
// inside the bottom-right corner.
Image StatusBarImage(Size size, const std::vector<Panel>& panels, bool grip) {
    const TDataSkinObject& edges = *Model().StatusBarEdges;
    const TDataSkinObject& extra = *Model().ExtraImages;
    Image image(size.width, size.height, Face());
    for (const Panel& p : panels)
        DrawNineSlice(image.mutable_view(), p.rect, {edges.Bitmap.view(), 3, false}, p.frame,
                      {edges.LeftWidth, edges.TopHeight, edges.RightWidth, edges.BottomHeight}, edges.Tile != 0,
                      edges.Trans == 1);
    if (grip) {
        const int w = extra.Bitmap.width() / extra.Frame, h = extra.Bitmap.height();
        DrawStripFrame(image.mutable_view(), Rect::from_size(size.width - 1 - w, size.height - 1 - h, w, h),
                       {extra.Bitmap.view(), extra.Frame, false}, 5, true);
    }
    return image;
}

Rect PanelRect(HWND bar, int index) {
    RECT r{};
    SendMessageW(bar, SB_GETRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    return from_rect(r);
}

TEST_F(SkinnedBars, StatusBarPanelsShowTheirBevelsAndTheLastOneReachesTheEnd) {
    ASSERT_TRUE(Model().StatusBarEdges && !Model().StatusBarEdges->Bitmap.empty());
    ASSERT_TRUE(Model().ExtraImages && !Model().ExtraImages->Bitmap.empty());
    TForm* form = NewForm(420, 200);
    auto* bar = Place<TStatusBar>(form, 10, 20, 300, 22);
    const TStatusPanelBevel bevels[] = {pbLowered, pbRaised, pbNone};
    const int widths[] = {60, 80, 40};
    for (int i = 0; i < 3; ++i) {
        TStatusPanel& panel = bar->Panels().Add();
        panel.SetWidth(widths[i]);
        panel.SetBevel(bevels[i]);
    }
    auto* gripless = Place<TStatusBar>(form, 10, 60, 300, 22);
    gripless->SetSizeGrip(false);
    gripless->Panels().Add().SetWidth(100);
    TControlSkins& skins = Skin(*form);
    ASSERT_EQ(KindOf(skins, bar->Handle()), "TSkinStatusBar");
    const Size size = ClientSize(bar->Handle());
    ASSERT_EQ(size, (Size{300, 22}));

    // The bar's own last part stops short of the end; the skin's reaches it.
    const int edges[] = {60, 140, 180};
    SendMessageW(bar->Handle(), SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    Rect last = PanelRect(bar->Handle(), 2);
    ASSERT_EQ(last.right, 180);
    last.right = size.width;
    EXPECT_EQ(WindowDifferences(bar->Handle(), StatusBarImage(size, {{PanelRect(bar->Handle(), 0), 1},
                                                                      {PanelRect(bar->Handle(), 1), 2},
                                                                      {last, 3}},
                                                             true)),
              0);
    // One panel only: it reaches the end, and no grip is drawn without the style.
    Rect only = PanelRect(gripless->Handle(), 0);
    only.right = size.width;
    EXPECT_EQ(WindowDifferences(gripless->Handle(), StatusBarImage(size, {{only, 1}}, false)), 0);

    // The simple panel covers the whole bar, as a lowered panel.
    bar->SetSimplePanel(true);
    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(WindowDifferences(bar->Handle(), StatusBarImage(size, {{{0, 0, 300, 22}, 1}}, true)), 0);
    // So does a bar without panels.
    gripless->Panels().Clear();
    RedrawWindow(gripless->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(WindowDifferences(gripless->Handle(), StatusBarImage(size, {{{0, 0, 300, 22}, 1}}, false)), 0);
}

// Each panel's text in the bar's text colour, placed by the panel's
// alignment: against the left edge, centred, or ending at the right edge;
// vertically centred one pixel high.
TEST_F(SkinnedBars, StatusBarPanelTextsArePlacedByTheirAlignment) {
    TForm* form = NewForm(420, 200);
    auto* bar = Place<TStatusBar>(form, 10, 20, 360, 22);
    bar->SetSizeGrip(false);
    const TStatusPanelBevel bevels[] = {pbLowered, pbRaised, pbNone};
    const TAlignment alignments[] = {taLeftJustify, taCenter, taRightJustify};
    const std::wstring texts[] = {L"Ready", L"raised", L"no bevel, right"};
    for (int i = 0; i < 3; ++i) {
        TStatusPanel& panel = bar->Panels().Add();
        panel.SetWidth(110);
        panel.SetBevel(bevels[i]);
        panel.SetAlignment(alignments[i]);
        panel.SetText(narrow(texts[i]));
    }
    Skin(*form);
    const Size size = ClientSize(bar->Handle());
    std::vector<Panel> panels;
    for (int i = 0; i < 3; ++i) panels.push_back({PanelRect(bar->Handle(), i), i + 1});
    panels[2].rect.right = size.width;
    TBitmap expected;
    expected.SetImage(StatusBarImage(size, panels, false));
    HDC dc = expected.Canvas().Handle();
    HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(bar->Handle(), WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Model().StatusBarEdges->NormalColour2));
    for (int i = 0; i < 3; ++i) {
        const Rect& r = panels[std::size_t(i)].rect;
        SIZE text{};
        GetTextExtentPoint32W(dc, texts[i].c_str(), int(texts[i].size()), &text);
        const int spare = r.width() - text.cx;
        const int x = r.left + (i == 0 ? 0 : i == 1 ? spare / 2 : spare);
        TextOutW(dc, x, r.top + (r.height() - text.cy) / 2 - 1, texts[i].c_str(), int(texts[i].size()));
    }
    SelectObject(dc, old_font);
    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(WindowDifferences(bar->Handle(), Image::copy_of(expected.View())), 0);
}

Rect ThumbRect(HWND bar) {
    RECT r{};
    SendMessageW(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    return from_rect(r);
}

// The thumb's pixels that differ from frame 4 of the Buttons strip stretched
// over it (its magenta pixels show the channel and are not compared).
int ThumbDifferences(HWND bar) {
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const Rect thumb = ThumbRect(bar);
    if (thumb.is_empty()) return -1;
    Image image(thumb.width(), thumb.height(), to_pixel(kKeyColor));
    DrawStripFrame(image.mutable_view(), {0, 0, thumb.width(), thumb.height()},
                   {Model().Buttons.Bitmap.view(), 5, false}, 4, true);
    return WindowDifferences(bar, image, thumb.top_left());
}

TEST_F(SkinnedBars, TheTrackBarThumbIsTheFourthButtonsFrameWhereverItStandsInBothOrientations) {
    ASSERT_FALSE(Model().Buttons.Bitmap.empty());
    TForm* form = NewForm(420, 260);
    auto* across = Place<TTrackBar>(form, 10, 10, 200, 30);
    auto* upright = Place<TTrackBar>(form, 250, 10, 30, 200);
    upright->SetOrientation(trVertical);
    form->Show();
    Pump();
    // The system's own thumb is something else.
    EXPECT_GT(ThumbDifferences(across->Handle()), 0);
    TControlSkins& skins = Skin(*form);
    ASSERT_EQ(KindOf(skins, across->Handle()), "TSkinTrackBar");
    ASSERT_EQ(KindOf(skins, upright->Handle()), "TSkinTrackBar");
    for (TTrackBar* bar : {across, upright}) {
        int previous = -1;
        for (int position : {0, 5, 10}) {
            bar->SetPosition(position);
            Pump();
            EXPECT_EQ(ThumbDifferences(bar->Handle()), 0) << position;
            const Rect thumb = ThumbRect(bar->Handle());
            const int along = bar == across ? thumb.left : thumb.top;
            EXPECT_GT(along, previous) << position;
            previous = along;
        }
    }
    // Under the mouse and held, the thumb keeps the skin's face.
    across->SetPosition(5);
    Pump();
    const Rect thumb = ThumbRect(across->Handle());
    const Point centre{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    MoveMouseTo(across->Handle(), centre);
    Pump();
    EXPECT_EQ(ThumbDifferences(across->Handle()), 0);
    SendMessageW(across->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    EXPECT_EQ(ThumbDifferences(across->Handle()), 0);
    SendMessageW(across->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    EXPECT_EQ(ThumbDifferences(across->Handle()), 0);
    EXPECT_EQ(across->Position(), 5);
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST_F(SkinnedBars, ATrackBarInAPlainDialogIsDrawnThroughItsParentUntilDetached) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(KORVANE_TRACK_BAR_DIALOG), nullptr,
                                     PlainDialogProc, 0);
    ASSERT_TRUE(dialog);
    HWND track = GetDlgItem(dialog, KORVANE_TRACK_BAR);
    ASSERT_TRUE(track);
    SendMessageW(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageW(track, TBM_SETPOS, TRUE, 3);
    SetForegroundWindow(dialog);
    Pump();
    const LONG_PTR dialog_procedure = GetWindowLongPtrW(dialog, GWLP_WNDPROC);
    EXPECT_GT(ThumbDifferences(track), 0);

    TCanvas canvas;
    TSkinTrackBar object(nullptr);
    object.AttachWindow(track, DefaultSkin(), canvas);
    EXPECT_EQ(ThumbDifferences(track), 0);
    SendMessageW(track, TBM_SETPOS, TRUE, 8);
    EXPECT_EQ(ThumbDifferences(track), 0);
    // Detached, the dialog has its own procedure back and the bar its own thumb.
    object.Detach();
    EXPECT_EQ(GetWindowLongPtrW(dialog, GWLP_WNDPROC), dialog_procedure);
    EXPECT_GT(ThumbDifferences(track), 0);

    // The dialog going first takes the object's hold on both windows with it.
    object.AttachWindow(track, DefaultSkin(), canvas);
    EXPECT_EQ(ThumbDifferences(track), 0);
    DestroyWindow(dialog);
    EXPECT_FALSE(object.Attached());
    EXPECT_EQ(object.Handle, nullptr);
}

TEST_F(SkinnedBars, AFrameworkTrackBarTheApplicationSkinsAsAWindowGetsTheThumbToo) {
    TForm* form = NewForm();
    auto* bar = Place<TTrackBar>(form, 10, 10, 200, 30);
    TSkinTrackBar own(nullptr);
    DefaultSkin().OnSkinControl = [&](TComponent*, TSkinData&, TControl*, TComponent* control, const std::string&,
                                      TComponent*& skinned) {
        if (control == bar) skinned = &own;
    };
    Skin(*form);
    DefaultSkin().OnSkinControl = nullptr;
    ASSERT_EQ(own.Handle, bar->Handle());
    bar->SetPosition(7);
    Pump();
    EXPECT_EQ(ThumbDifferences(bar->Handle()), 0);
    own.Detach();
}

// A skin with a frame, colours of its own and nothing for the bars: no
// StatusBarEdges, no ExtraImages, no Buttons.
TSkinData& BareSkin() {
    static TSkinData* data = [] {
        const std::string ini = "[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\n"
                                "[Colours]\r\nButtonFace=200,220,180\r\nButtonShadow=150,20,40\r\n";
        const ArchiveMember members[] = {
            {"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())},
            {"top.bmp", encode_bmp(Image(40, 30, pixel_rgb(20, 40, 160)))},
        };
        auto* d = new TSkinData(nullptr);
        d->LoadFromPackage(PackSkin(members));
        return d;
    }();
    return *data;
}

TEST_F(SkinnedBars, WithoutSkinImagesPanelsGetPlainBevelsAndTheThumbAnOutline) {
    TSkinData& bare = BareSkin();
    ASSERT_FALSE(bare.Skin().StatusBarEdges);
    ASSERT_FALSE(bare.Skin().ExtraImages);
    ASSERT_TRUE(bare.Skin().Buttons.Bitmap.empty());
    ASSERT_EQ(bare.Colours().ButtonFace, rgb(200, 220, 180));
    TForm* form = NewForm(420, 200);
    auto* bar = Place<TStatusBar>(form, 10, 20, 300, 22);
    const TStatusPanelBevel bevels[] = {pbLowered, pbRaised, pbNone};
    for (TStatusPanelBevel bevel : bevels) {
        TStatusPanel& panel = bar->Panels().Add();
        panel.SetWidth(80);
        panel.SetBevel(bevel);
    }
    auto* track = Place<TTrackBar>(form, 10, 60, 200, 30);
    track->SetPosition(4);
    form->Show();
    Pump();
    TCanvas canvas;
    TSkinStatusBar bar_skin(nullptr);
    TSkinTrackBar track_skin(nullptr);
    bar_skin.AttachControl(*bar, bare, false, canvas);
    track_skin.AttachControl(*track, bare, false, canvas);

    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const Image shot = Capture(bar->Handle());
    const Pixel face = to_pixel(ColorToRGB(bare.Colours().ButtonFace));
    const Pixel shadow = to_pixel(GetSysColor(COLOR_BTNSHADOW)), light = to_pixel(GetSysColor(COLOR_BTNHIGHLIGHT));
    ASSERT_NE(rgb_of(shadow), rgb_of(light));
    // Lowered: shadow on the top and left edges, highlight on the bottom and
    // right; raised the other way round; no bevel: no edge at all. Corner
    // pixels, where the two colours meet, are not compared.
    for (int i = 0; i < 3; ++i) {
        Rect r = PanelRect(bar->Handle(), i);
        if (i == 2) r.right = 300;
        Image expected(r.width(), r.height(), face);
        if (i < 2) {
            const Pixel top_left = i == 0 ? shadow : light, bottom_right = i == 0 ? light : shadow;
            for (int x = 0; x < r.width(); ++x) {
                expected.at(x, 0) = top_left;
                expected.at(x, r.height() - 1) = bottom_right;
            }
            for (int y = 0; y < r.height(); ++y) {
                expected.at(0, y) = top_left;
                expected.at(r.width() - 1, y) = bottom_right;
            }
            for (Point corner : {Point{0, 0}, Point{r.width() - 1, 0}, Point{0, r.height() - 1},
                                 Point{r.width() - 1, r.height() - 1}})
                expected.at(corner.x, corner.y) = to_pixel(kKeyColor);
        }
        EXPECT_EQ(Differences(shot, r.top_left(), expected), 0) << i;
    }

    // The thumb: outlined in the skin's button shadow over the control's own channel.
    RedrawWindow(track->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const Rect thumb = ThumbRect(track->Handle());
    ASSERT_FALSE(thumb.is_empty());
    Image outline(thumb.width(), thumb.height(), to_pixel(kKeyColor));
    const Pixel line = to_pixel(ColorToRGB(bare.Colours().ButtonShadow));
    for (int x = 0; x < thumb.width(); ++x) outline.at(x, 0) = outline.at(x, thumb.height() - 1) = line;
    for (int y = 0; y < thumb.height(); ++y) outline.at(0, y) = outline.at(thumb.width() - 1, y) = line;
    EXPECT_EQ(WindowDifferences(track->Handle(), outline, thumb.top_left()), 0);
    bar_skin.Detach();
    track_skin.Detach();
}

}  // namespace
}  // namespace korvane::testing
