// Combo boxes, up-downs, tab strips and headers read back from their windows
// in each state, against the same skin pieces composed by the drawing
// utilities; states reached with real mouse input where the user reaches them.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "base/win32_text.h"
#include "framework/win/edits.h"
#include "framework/win/gdi.h"
#include "framework/win/header_control.h"
#include "framework/win/list_boxes.h"
#include "framework/win/tab_controls.h"
#include "framework/win/up_down.h"
#include "framework/win/user_input.h"
#include "skin/controls/skin_com_box.h"
#include "skin/data/skin_reader.h"
#include "skin/draw/transform.h"
#include "combo_face.h"
#include "skinned_controls.h"
#include "skinpack/archive_writer.h"

namespace korvane::testing {
namespace {

const Pixel kKey = pixel_rgb(255, 0, 255);

// The default skin with its combo box button switched to the flat style.
TSkinData& FlatComboSkin() {
    static TSkinData* data = [] {
        TSkinReader reader;
        EXPECT_TRUE(reader.LoadPackage(DefaultSkin().Package().Memory()));
        std::vector<ArchiveMember> members;
        for (const std::string& name : reader.names()) {
            ArchiveMember member{name, {}};
            reader.GetMember(name, member.bytes);
            std::string text(member.bytes.begin(), member.bytes.end());
            const auto section = text.find("[ComboButton]");
            if (section != std::string::npos) {
                const auto style = text.find("Style=0", section);
                if (style == std::string::npos || style > text.find('[', section + 1))
                    ADD_FAILURE() << "the default skin's ComboButton has no Style=0";
                else
                    text[style + 6] = '1';
                member.bytes.assign(text.begin(), text.end());
            }
            members.push_back(std::move(member));
        }
        auto* d = new TSkinData(nullptr);
        EXPECT_TRUE(d->LoadFromPackage(PackSkin(members)));
        return d;
    }();
    return *data;
}

class SkinnedFaces : public SkinnedControlsTest {
protected:
    int WindowDifferences(HWND window, const Image& expected, Point at = {0, 0}) {
        return Differences(Capture(window), at, expected);
    }
};

// --- combo box -------------------------------------------------------------

Image ComboFace(Size size, int state) { return korvane::testing::ComboFace(Model(), Face(), size, state); }

TEST_F(SkinnedFaces, AComboBoxShowsTheSkinsBorderAndButtonNormalHotPressedAndDisabled) {
    const SkinModel& skin = Model();
    ASSERT_TRUE(skin.ComboButton && skin.SunkEdge && skin.ExtraImages);
    ASSERT_EQ(skin.ComboButton->Style, 0);
    TForm* form = NewForm(420, 300);
    auto* edit = Place<TEdit>(form, 20, 20, 120, 24);
    auto* combo = Place<TComboBox>(form, 20, 60, 160, 24);
    combo->SetStyle(csDropDownList);
    combo->Items().Add("First");
    combo->Items().Add("Second");
    combo->SetItemIndex(0);
    TControlSkins& skins = Skin(*form);
    auto* object = dynamic_cast<TSkinComBox*>(skins.FindControlByHandle(combo->Handle()));
    ASSERT_NE(object, nullptr);
    const HWND window = combo->Handle();
    RECT frame{};
    GetWindowRect(window, &frame);
    const Size size{frame.right - frame.left, frame.bottom - frame.top};
    SetCursorPos(frame.left + size.width / 2, frame.bottom + 120);
    edit->SetFocus();
    Pump();
    EXPECT_EQ(WindowDifferences(window, ComboFace(size, 1)), 0) << "normal";
    // The mouse over it.
    SetCursorPos(frame.right - 8, frame.top + size.height / 2);
    PumpUntil([&] { return object->State & TSkinControl::kHot; });
    EXPECT_EQ(WindowDifferences(window, ComboFace(size, 4)), 0) << "hot";
    // Pressed: the list drops down; the button shows pressed while held.
    LeftDown();
    PumpUntil([&] { return object->State & TSkinControl::kPressed; });
    EXPECT_EQ(WindowDifferences(window, ComboFace(size, 2)), 0) << "pressed";
    LeftUp();
    Pump();
    combo->SetDroppedDown(false);
    SetCursorPos(frame.left + size.width / 2, frame.bottom + 120);
    edit->SetFocus();
    Pump();
    EXPECT_EQ(WindowDifferences(window, ComboFace(size, 1)), 0) << "normal again";
    combo->SetEnabled(false);
    Pump();
    EXPECT_EQ(WindowDifferences(window, ComboFace(size, 3)), 0) << "disabled";
}

TEST_F(SkinnedFaces, AComboBoxInTheFlatStyleShowsTheWholeButtonCellInsideAShadowLine) {
    TSkinData& flat = FlatComboSkin();
    ASSERT_EQ(flat.Skin().ComboButton->Style, 1);
    TForm* form = NewForm(420, 300);
    auto* edit = Place<TEdit>(form, 20, 20, 120, 24);
    auto* combo = Place<TComboBox>(form, 20, 60, 160, 24);
    combo->SetStyle(csDropDownList);
    Skin(*form, flat);
    edit->SetFocus();
    Pump();
    const Size size = WindowSize(combo->Handle());
    Image face(size.width, size.height, kKey);
    const Pixel shadow = to_pixel(ColorToRGB(flat.Colours().ButtonShadow));
    for (int x = 0; x < size.width; ++x) face.at(x, 0) = face.at(x, size.height - 1) = shadow;
    for (int y = 0; y < size.height; ++y) face.at(0, y) = face.at(size.width - 1, y) = shadow;
    const Rect body{2, 2, size.width - 2, size.height - 2};
    const Rect button{body.right - GetSystemMetrics(SM_CYVTHUMB), body.top, body.right, body.bottom};
    const TDataSkinObject& cell = *flat.Skin().ComboButton;
    DrawStripFrame(face.mutable_view(), button, Strip{cell.Bitmap.view(), cell.Frame, false}, 1, false);
    EXPECT_EQ(WindowDifferences(combo->Handle(), face), 0);
}

// --- up-down ---------------------------------------------------------------

// An up-down's face: the two halves of its client area, each in its state.
Image UpDownFace(Size client, bool horizontal, int first_state, int second_state) {
    const TDataSkinBorder& element = horizontal ? *Model().UpDownHorz : *Model().UpDownVert;
    Image face(client.width, client.height, Face());
    const int h = (horizontal ? client.width : client.height) / 2;
    const Rect halves[] = {horizontal ? Rect{0, 0, h, client.height} : Rect{0, 0, client.width, h},
                           horizontal ? Rect{h, 0, client.width, client.height}
                                      : Rect{0, h, client.width, client.height}};
    const int states[] = {first_state, second_state};
    const int glyphs = element.Frame > 0 ? element.Frame : 8;
    const Size cell{element.Bitmap2.width() / glyphs, element.Bitmap2.height()};
    for (int i = 0; i < 2; ++i) {
        const int frame = states[i] + 4 * i;
        const Rect& half = halves[i];
        DrawStripFrame(face.mutable_view(), half, Strip{element.Bitmap.view(), 8, false}, frame, true);
        DrawStripFrame(face.mutable_view(),
                       Rect::from_size(half.left + (half.width() - cell.width) / 2,
                                       half.top + (half.height() - cell.height) / 2, cell.width, cell.height),
                       Strip{element.Bitmap2.view(), glyphs, false}, frame, true);
    }
    return face;
}

TEST_F(SkinnedFaces, AnUpDownShowsOnlyTheHalfHeldUnderTheMousePressedAndBothHalvesDisabled) {
    ASSERT_TRUE(Model().UpDownVert && !Model().UpDownVert->Bitmap2.empty());
    ASSERT_TRUE(Model().UpDownHorz && !Model().UpDownHorz->Bitmap2.empty());
    TForm* form = NewForm(420, 300);
    auto* vertical = Place<TUpDown>(form, 20, 20, 20, 40);
    auto* horizontal = Place<TUpDown>(form, 80, 20, 48, 20);
    horizontal->SetOrientation(udHorizontal);
    horizontal->SetMax(1000);
    vertical->SetMax(1000);
    vertical->SetPosition(500);
    Skin(*form);
    for (TUpDown* control : {vertical, horizontal}) {
        const bool across = control == horizontal;
        const HWND window = control->Handle();
        const Size client = ClientSize(window);
        SetCursorPos(0, 0);
        Pump();
        EXPECT_EQ(WindowDifferences(window, UpDownFace(client, across, 1, 1)), 0) << "normal, " << across;
        // Held on the lower (right) half: that half pressed, the other normal.
        MoveMouseTo(window, across ? Point{client.width * 3 / 4, client.height / 2}
                                   : Point{client.width / 2, client.height * 3 / 4});
        Pump();
        LeftDown();
        Pump();
        EXPECT_EQ(WindowDifferences(window, UpDownFace(client, across, 1, 2)), 0) << "second held, " << across;
        LeftUp();
        Pump();
        // The press reached the control: down (or right) one step.
        EXPECT_EQ(control->Position(), across ? 1 : 499);
        // Held on the upper (left) half.
        MoveMouseTo(window, across ? Point{client.width / 4, client.height / 2}
                                   : Point{client.width / 2, client.height / 4});
        Pump();
        LeftDown();
        Pump();
        EXPECT_EQ(WindowDifferences(window, UpDownFace(client, across, 2, 1)), 0) << "first held, " << across;
        LeftUp();
        Pump();
        EXPECT_EQ(control->Position(), across ? 0 : 500);
        control->SetEnabled(false);
        Pump();
        EXPECT_EQ(WindowDifferences(window, UpDownFace(client, across, 3, 3)), 0) << "disabled, " << across;
    }
}

// --- tabs ------------------------------------------------------------------

// A tab of the skin's strip at `size` in frame `frame`, as it lands on the
// control for tabs on that side: upside down below, turned on the sides.
Image TabFace(TTabPosition side, Size size, int frame) {
    const TDataSkinBorder& tabs = *Model().Tabs;
    Image art = Image::copy_of(tabs.Bitmap.view());
    if (side == tpBottom) FlipVertical(art.mutable_view());
    const bool lying = side == tpLeft || side == tpRight;
    Image face(lying ? size.height : size.width, lying ? size.width : size.height, Face());
    DrawNineSlice(face.mutable_view(), {0, 0, face.width(), face.height()}, Strip{art.view(), 5, false}, frame,
                  {tabs.LeftWidth, tabs.TopHeight, tabs.RightWidth, tabs.BottomHeight}, tabs.Tile != 0,
                  tabs.Trans != 0);
    if (side == tpLeft) RotateLeft(face);
    if (side == tpRight) RotateRight(face);
    return face;
}

TEST_F(SkinnedFaces, TabsOnEachSideLandOnTheirTabsWithTheFocusedOneInItsOwnFrame) {
    ASSERT_TRUE(Model().Tabs && !Model().Tabs->Bitmap2.empty());
    TForm* form = NewForm(760, 560);
    const TTabPosition sides[] = {tpTop, tpBottom, tpLeft, tpRight};
    std::vector<TTabControl*> controls;
    for (int i = 0; i < 4; ++i) {
        auto* tabs = Place<TTabControl>(form, 10 + (i % 2) * 370, 10 + (i / 2) * 260, 350, 240);
        tabs->SetTabPosition(sides[i]);
        tabs->Tabs().SetText("One\nSecond\nThird\n");
        tabs->SetTabIndex(1);
        controls.push_back(tabs);
    }
    Skin(*form);
    Pump();
    for (int i = 0; i < 4; ++i) {
        const TTabPosition side = sides[i];
        const HWND window = controls[i]->Handle();
        ASSERT_EQ(SendMessageW(window, TCM_GETCURFOCUS, 0, 0), 1);
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        const Image shot = Capture(window);
        // The strip beside the display frame (the adjusted area grown by 4,
        // then one pixel towards the tabs).
        const Size size = WindowSize(window);
        RECT adjusted{0, 0, size.width, size.height};
        SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&adjusted));
        Rect display = from_rect(adjusted).shrunken(-4);
        if (side == tpTop) display.top += 1;
        if (side == tpBottom) display.bottom -= 1;
        if (side == tpLeft) display.left += 1;
        if (side == tpRight) display.right -= 1;
        const Rect strip = side == tpTop      ? Rect{0, 0, size.width, display.top}
                           : side == tpBottom ? Rect{0, display.bottom, size.width, size.height}
                           : side == tpLeft   ? Rect{0, 0, display.left, size.height}
                                              : Rect{display.right, 0, size.width, size.height};
        std::vector<Rect> landed;
        for (int tab = 0; tab < 3; ++tab) {
            RECT r{};
            ASSERT_TRUE(SendMessageW(window, TCM_GETITEMRECT, WPARAM(tab), reinterpret_cast<LPARAM>(&r)));
            // Top tabs are drawn a pixel lower, bottom and right ones a pixel higher.
            const int dy = side == tpTop ? 1 : side == tpLeft ? 0 : -1;
            const Rect place = from_rect(r).translated(0, dy);
            landed.push_back(place);
            const Image face = TabFace(side, place.size(), tab == 1 ? 2 : 1);
            // The tab's edge, two pixels deep, where the strip shows it (its
            // caption lies inside).
            const int edge = Differences(shot, place.top_left(), face, [&](Point p) {
                const bool ring = p.x < place.left + 2 || p.x >= place.right - 2 || p.y < place.top + 2 ||
                                  p.y >= place.bottom - 2;
                return !ring || !strip.contains(p);
            });
            EXPECT_EQ(edge, 0) << "side " << side << ", tab " << tab;
        }
        // Around the tabs the strip is the face colour.
        int outside = 0;
        for (int y = strip.top; y < strip.bottom; ++y)
            for (int x = strip.left; x < strip.right; ++x) {
                bool on_tab = false;
                for (const Rect& place : landed) on_tab = on_tab || place.contains({x, y});
                if (!on_tab && rgb_of(shot.at(x, y)) != rgb_of(Face())) ++outside;
            }
        EXPECT_EQ(outside, 0) << "side " << side;
    }
}

// --- header ----------------------------------------------------------------

// A header item as the skin shows it: frame 1 of Headerbar, then the
// caption in the header's font and the bar's text colour placed for its alignment (0 left, 1 centred,
// 2 right), after an icon of `icon` pixels when there is one, itself centred
// by its height and drawn here in `icon_colour`.
Image HeaderItem(HWND header, Size size, const std::wstring& caption, int align, Size icon, Pixel icon_colour) {
    const TDataSkinObject& bar = *Model().Headerbar;
    const Image face = BuildNineSlice(size, Strip{bar.Bitmap.view(), 5, false}, 1,
                                      {bar.LeftWidth, bar.TopHeight, bar.RightWidth, bar.BottomHeight},
                                      bar.Tile != 0);
    TBitmap item;
    item.SetSize(size.width, size.height);
    GdiFlush();
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) item.MutableView().at(x, y) = face.at(x, y);
    HDC dc = item.Canvas().Handle();
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(bar.NormalColour2));
    constexpr UINT kFormat = DT_CENTER | DT_SINGLELINE | DT_EXPANDTABS;
    RECT measured{0, 0, size.width + (icon.width ? icon.width + 2 : 0), size.height};
    DrawTextW(dc, caption.c_str(), int(caption.size()), &measured, kFormat | DT_CALCRECT | DT_NOCLIP);
    const int tw = measured.right - measured.left, th = measured.bottom - measured.top;
    const int x = align == 0 ? 2 : align == 1 ? (size.width - icon.width - tw) / 2 : size.width - icon.width - tw - 2;
    RECT text = to_rect(Rect::from_size(x + icon.width + 1, (size.height - th) / 2, tw, th));
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text, kFormat);
    SelectObject(dc, old);
    GdiFlush();
    Image expected = Image::copy_of(item.View());
    const Point at{x, (size.height - icon.height) / 2};
    for (int y = 0; y < icon.height; ++y)
        for (int i = 0; i < icon.width; ++i) expected.at(at.x + i, at.y + y) = icon_colour;
    return expected;
}

TEST_F(SkinnedFaces, AHeaderControlsItemsShowTheBarWithCaptionAndIconPlacedWhateverTheMouseDoes) {
    ASSERT_TRUE(Model().Headerbar);
    TForm* form = NewForm(520, 200);
    auto* header = Place<THeaderControl>(form, 10, 10, 480, 24);
    header->SetHotTrack(true);
    const TAlignment alignments[] = {taLeftJustify, taCenter, taRightJustify};
    const std::wstring captions[] = {L"Name", L"Size", L"Kind"};
    for (int i = 0; i < 3; ++i) {
        THeaderSection& section = header->Sections().Add();
        section.SetText(narrow(captions[i]));
        section.SetWidth(140);
        section.SetAlignment(alignments[i]);
    }
    TControlSkins& skins = Skin(*form);
    const HWND window = header->Handle();
    EXPECT_EQ(KindOf(skins, window), "TSkinHeader");
    // An icon wider than high on the centred item: it is centred by its height.
    const Size icon{12, 6};
    const Pixel red = pixel_rgb(220, 20, 30);
    HIMAGELIST images = ImageList_Create(icon.width, icon.height, ILC_COLOR24 | ILC_MASK, 1, 0);
    {
        // A plain bitmap, not selected into any DC, for the image list to copy.
        HDC screen = GetDC(nullptr);
        UniqueGdi<HBITMAP> art(CreateCompatibleBitmap(screen, icon.width, icon.height));
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(memory, art.get());
        UniqueGdi<HBRUSH> brush(CreateSolidBrush(RGB(220, 20, 30)));
        const RECT all{0, 0, icon.width, icon.height};
        FillRect(memory, &all, brush.get());
        SelectObject(memory, old);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        ImageList_AddMasked(images, art.get(), RGB(255, 0, 255));
    }
    SendMessageW(window, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    HDITEMW with_icon{};
    with_icon.mask = HDI_FORMAT | HDI_IMAGE;
    with_icon.fmt = HDF_STRING | HDF_CENTER | HDF_IMAGE;
    with_icon.iImage = 0;
    SendMessageW(window, HDM_SETITEMW, 1, reinterpret_cast<LPARAM>(&with_icon));
    Pump();
    std::vector<Rect> items;
    for (int i = 0; i < 3; ++i) {
        RECT r{};
        ASSERT_TRUE(SendMessageW(window, HDM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r)));
        items.push_back(from_rect(r));
    }
    auto check = [&](const char* when) {
        const Image shot = Capture(window);
        for (int i = 0; i < 3; ++i) {
            const Image expected =
                HeaderItem(window, items[i].size(), captions[i], i, i == 1 ? icon : Size{}, red);
            EXPECT_EQ(Differences(shot, items[i].top_left(), expected), 0) << when << ", item " << i;
        }
    };
    SetCursorPos(0, 0);
    Pump();
    check("normal");
    MoveMouseTo(window, {items[0].left + 20, items[0].top + 10});
    Pump();
    check("hot");
    MoveMouseTo(window, {items[2].left + 30, items[2].top + 10});
    Pump();
    LeftDown();
    Pump();
    check("pressed");
    LeftUp();
    Pump();
    check("released");
    SendMessageW(window, HDM_SETIMAGELIST, 0, 0);
    ImageList_Destroy(images);
}

}  // namespace
}  // namespace korvane::testing
