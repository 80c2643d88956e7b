// The framework's tab set, tool bar and date-time picker on a skinned form:
// the tab set drawn whole from the skin's Tabs image, its tabs where the tab
// set puts them (so a click lands on the tab it shows); tool bars made flat
// on the skin's face; pickers skinned as an edit or a combo box.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/bmp.h"
#include "framework/win/dtpicker.h"
#include "framework/win/tabset.h"
#include "framework/win/toolbar.h"
#include "skin/controls/skin_tab31.h"
#include "skin/controls/skin_up_down.h"
#include "skin/draw/transform.h"
#include "skinned_controls.h"
#include "skinpack/archive_writer.h"

namespace korvane::testing {
namespace {

using BarsAndPickers = SkinnedControlsTest;

// The default skin with other SkinControls while it lives.
class SkinControlsOverride {
public:
    explicit SkinControlsOverride(TSkinControlTypes kinds) : saved_(DefaultSkin().SkinControls()) {
        DefaultSkin().SetSkinControls(kinds);
    }
    ~SkinControlsOverride() { DefaultSkin().SetSkinControls(saved_); }

private:
    TSkinControlTypes saved_;
};

TSkinControlTypes Without(TSkinControlType kind) {
    TSkinControlTypes kinds = kDefaultSkinControls;
    kinds.exclude(kind);
    return kinds;
}

// The tab set as the skin must show it: the face colour, and each tab the
// tab set places, in frame 2 (selected) or 1 of the Tabs image turned upside
// down.
Image ExpectedTabSet(TTabSet& tab_set, Size size) {
    const TDataSkinBorder& tabs = *Model().Tabs;
    Image turned = tabs.Bitmap;
    FlipVertical(turned.mutable_view());
    Image expected(size.width, size.height, Face());
    for (const TabPlace& place : tab_set.TabPlaces())
        DrawNineSlice(expected.mutable_view(), {place.left, 0, place.right, size.height},
                      Strip{turned.view(), 5, false}, place.index == tab_set.TabIndex() ? 2 : 1,
                      {tabs.LeftWidth, tabs.TopHeight, tabs.RightWidth, tabs.BottomHeight}, tabs.Tile != 0,
                      tabs.Trans != 0);
    return expected;
}

// Where each placed tab's text goes (one pixel around it spared).
std::vector<Rect> TextPlaces(TTabSet& tab_set, int height) {
    TBitmap measure;
    measure.Canvas().Font().Assign(&tab_set.Font());
    std::vector<Rect> places;
    for (const TabPlace& place : tab_set.TabPlaces()) {
        const Size text = measure.Canvas().TextExtent(tab_set.Tabs().Strings(place.index));
        const Rect r = caption_rect({place.left, 0, place.right, height}, text, kCaptionCenter);
        places.push_back({r.left - 1, r.top - 1, r.right + 1, r.bottom + 1});
    }
    return places;
}

// Pixels of the tab set that differ from the composition, outside the texts
// and the scroller (a window of its own) when it shows.
int TabSetDifferences(TTabSet& tab_set) {
    const Size size = WindowSize(tab_set.Handle());
    const std::vector<Rect> texts = TextPlaces(tab_set, size.height);
    const TTabScroller& scroller = tab_set.Scroller();
    const Rect arrows = scroller.Visible() ? scroller.BoundsRect() : Rect{};
    return Differences(Capture(tab_set.Handle()), {0, 0}, ExpectedTabSet(tab_set, size), [&](Point p) {
        for (const Rect& r : texts)
            if (r.contains(p)) return true;
        return arrows.contains(p);
    });
}

// Pixels of that colour inside the rectangle of the shot.
int PixelsOf(const Image& shot, const Rect& r, Color colour) {
    const Pixel want = to_pixel(ColorToRGB(colour));
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += rgb_of(shot.at(x, y)) == rgb_of(want);
    return n;
}

TTabSet* NewTabSet(TForm* form, int width, const char* tabs) {
    auto* tab_set = new TTabSet(form);
    tab_set->SetParent(form);
    tab_set->SetBounds(10, 10, width, 24);
    tab_set->Tabs().SetText(tabs);
    return tab_set;
}

TEST_F(BarsAndPickers, ATabSetIsDrawnFromTheTurnedTabsImageWhereItsOwnTabsAre) {
    ASSERT_TRUE(Model().Tabs && !Model().Tabs->Bitmap.empty());
    TForm* form = NewForm();
    TTabSet* tab_set = NewTabSet(form, 320, "Alpha\nBeta\nGamma\n");
    tab_set->SetTabIndex(1);
    TControlSkins& skins = Skin(*form);
    ASSERT_EQ(KindOf(skins, tab_set->Handle()), "TSkinTab31");
    ASSERT_EQ(tab_set->TabPlaces().size(), 3u);
    EXPECT_EQ(TabSetDifferences(*tab_set), 0);

    // The texts: the selected tab's in MouseOverColour2, the others' in NormalColour2.
    const TDataSkinBorder& tabs = *Model().Tabs;
    const Image shot = Capture(tab_set->Handle());
    const std::vector<Rect> texts = TextPlaces(*tab_set, shot.height());
    EXPECT_GT(PixelsOf(shot, texts[1], tabs.MouseOverColour2), 0);
    EXPECT_GT(PixelsOf(shot, texts[0], tabs.NormalColour2), 0);
    EXPECT_GT(PixelsOf(shot, texts[2], tabs.NormalColour2), 0);

    // A click on the third tab as drawn selects it, and it is drawn selected.
    const TabPlace third = tab_set->TabPlaces()[2];
    SendMessageW(tab_set->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((third.left + third.right) / 2, 12));
    SendMessageW(tab_set->Handle(), WM_LBUTTONUP, 0, MAKELPARAM((third.left + third.right) / 2, 12));
    Pump();
    EXPECT_EQ(tab_set->TabIndex(), 2);
    EXPECT_EQ(TabSetDifferences(*tab_set), 0);
}

TEST_F(BarsAndPickers, ATabSetShowsNoPartialTabAndItsScrollerGetsTheSkinsArrows) {
    TForm* form = NewForm();
    // The long second tab does not fit; the short third one after it does.
    TTabSet* tab_set = NewTabSet(form, 150, "One\nA tab far too long to fit\nB\n");
    tab_set->SetTabIndex(0);
    TControlSkins& skins = Skin(*form);
    ASSERT_EQ(KindOf(skins, tab_set->Handle()), "TSkinTab31");
    ASSERT_TRUE(tab_set->Scroller().Visible());
    const std::vector<TabPlace> places = tab_set->TabPlaces();
    ASSERT_EQ(places.size(), 2u);
    ASSERT_EQ(places[1].index, 2);
    EXPECT_EQ(TabSetDifferences(*tab_set), 0);
    // Right of the last tab shown there is only the face, up to the scroller.
    const Image shot = Capture(tab_set->Handle());
    const int scroller_left = tab_set->Scroller().Left();
    for (int x = places[1].right; x < scroller_left; ++x)
        EXPECT_EQ(rgb_of(shot.at(x, 12)), rgb_of(Face())) << x;
    auto* arrows = dynamic_cast<TSkinUpDown*>(skins.FindControlByHandle(tab_set->Scroller().Handle()));
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(arrows->Horizontal, 1);
    EXPECT_EQ(static_cast<TSkinTab31*>(skins.FindControlByHandle(tab_set->Handle()))->UpDown, arrows);
}

TEST_F(BarsAndPickers, AfterASkinChangeATabSetIsDrawnFromTheNewTabsImage) {
    TSkinData data(nullptr);
    data.SetSkinFile(kDefaultSkin);
    TForm* form = NewForm();
    TTabSet* tab_set = NewTabSet(form, 320, "Alpha\nBeta\n");
    tab_set->SetTabIndex(0);
    TControlSkins& skins = Skin(*form, data);
    auto* object = dynamic_cast<TSkinTab31*>(skins.FindControlByHandle(tab_set->Handle()));
    ASSERT_NE(object, nullptr);
    data.SetSkinFile(KORVANE_TEST_DATA "/../../data/skins/night.skn");
    ASSERT_FALSE(data.Empty());
    skins.ApplySkinChange();
    Image turned = data.Skin().Tabs->Bitmap;
    FlipVertical(turned.mutable_view());
    ASSERT_EQ(object->TabImage.width(), turned.width());
    ASSERT_EQ(object->TabImage.height(), turned.height());
    // The images hold the same pixels; the night skin's differ from the default's.
    auto differing = [](const Image& a, const Image& b) {
        int n = 0;
        for (int y = 0; y < std::min(a.height(), b.height()); ++y)
            for (int x = 0; x < std::min(a.width(), b.width()); ++x) n += rgb_of(a.at(x, y)) != rgb_of(b.at(x, y));
        return n;
    };
    EXPECT_EQ(differing(object->TabImage, turned), 0);
    EXPECT_GT(differing(data.Skin().Tabs->Bitmap, Model().Tabs->Bitmap), 0);
}

// A skin with a frame and no Tabs element.
TSkinData& SkinWithoutTabs() {
    static TSkinData* data = [] {
        auto text = [](std::string_view t) { return std::vector<std::uint8_t>(t.begin(), t.end()); };
        const ArchiveMember members[] = {
            {"skin.ini", text("[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\nLeft=side.bmp\r\nLeftFrame=2\r\n"
                              "Right=side.bmp\r\nRightFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\n")},
            {"top.bmp", encode_bmp(Image(40, 40, pixel_rgb(20, 40, 160)))},
            {"side.bmp", encode_bmp(Image(12, 40, pixel_rgb(20, 40, 160)))},
            {"bottom.bmp", encode_bmp(Image(40, 12, pixel_rgb(20, 40, 160)))},
        };
        auto* d = new TSkinData(nullptr);
        d->LoadFromPackage(PackSkin(members));
        return d;
    }();
    return *data;
}

TEST_F(BarsAndPickers, WithoutTheTabsElementOrXcTabATabSetKeepsItsOwnLook) {
    {
        const SkinControlsOverride no_tabs(Without(xcTab));
        TForm* form = NewForm();
        TTabSet* tab_set = NewTabSet(form, 200, "One\nTwo\n");
        EXPECT_EQ(KindOf(Skin(*form), tab_set->Handle()), "none");
        skin_->Release();
        skin_ = nullptr;
    }
    ASSERT_FALSE(SkinWithoutTabs().Empty());
    ASSERT_EQ(SkinWithoutTabs().Skin().Tabs, nullptr);
    TForm* form = NewForm();
    TTabSet* tab_set = NewTabSet(form, 200, "One\nTwo\n");
    EXPECT_EQ(KindOf(Skin(*form, SkinWithoutTabs()), tab_set->Handle()), "none");
}

// A tool bar of a class of its own: its window class is not "TToolBar".
class TPlainToolBar : public TToolBar {
public:
    static constexpr std::string_view kClassName = "TPlainToolBar";
    using TToolBar::TToolBar;
    std::string_view ClassName() const override { return kClassName; }
};

TEST_F(BarsAndPickers, ToolBarsAreMadeFlatTheFrameworksOnTheSkinsFaceWhateverSkinControlsSays) {
    const SkinControlsOverride no_tool_bars(Without(xcToolbar));
    TForm* form = NewForm();
    auto* bar = new TToolBar(form);
    bar->SetParent(form);
    auto* own = new TPlainToolBar(form);
    own->SetParent(form);
    // Neither follows the form's colour, which the skin sets too.
    bar->SetParentColor(false);
    own->SetParentColor(false);
    const Color own_colour = own->GetColor();
    ASSERT_FALSE(bar->Flat());
    TControlSkins& skins = Skin(*form);
    EXPECT_TRUE(bar->Flat());
    EXPECT_TRUE(GetWindowLongW(bar->Handle(), GWL_STYLE) & TBSTYLE_FLAT);
    EXPECT_EQ(bar->GetColor(), DefaultSkin().Colours().ButtonFace);
    EXPECT_EQ(KindOf(skins, bar->Handle()), "none");
    // Another tool-bar class follows xcToolbar, and keeps its colour.
    EXPECT_FALSE(own->Flat());
    EXPECT_EQ(own->GetColor(), own_colour);
}

TEST_F(BarsAndPickers, WithXcToolbarAToolBarOfAnotherClassIsMadeFlatToo) {
    TForm* form = NewForm();
    auto* own = new TPlainToolBar(form);
    own->SetParent(form);
    own->SetParentColor(false);
    const Color own_colour = own->GetColor();
    TControlSkins& skins = Skin(*form);
    EXPECT_TRUE(own->Flat());
    EXPECT_EQ(own->GetColor(), own_colour);
    EXPECT_EQ(KindOf(skins, own->Handle()), "none");
}

TEST_F(BarsAndPickers, ADatePickerGetsTheComboSkinATimePickerTheEditSkinBothOnlyWithXcEdit) {
    TForm* form = NewForm();
    auto* date = new TDateTimePicker(form);
    date->SetParent(form);
    date->SetBounds(10, 10, 160, 24);
    auto* time = new TDateTimePicker(form);
    time->SetParent(form);
    time->SetBounds(10, 50, 160, 24);
    time->SetKind(dtkTime);
    TControlSkins& skins = Skin(*form);
    EXPECT_EQ(KindOf(skins, date->Handle()), "TSkinComBox");
    EXPECT_EQ(KindOf(skins, time->Handle()), "TSkinEdit");
    skin_->Release();
    skin_ = nullptr;

    const SkinControlsOverride no_edits(Without(xcEdit));
    TForm* other = NewForm();
    auto* plain = new TDateTimePicker(other);
    plain->SetParent(other);
    EXPECT_EQ(KindOf(Skin(*other), plain->Handle()), "none");
}

}  // namespace
}  // namespace korvane::testing
