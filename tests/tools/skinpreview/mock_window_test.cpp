#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <iterator>

#include "mock_window.h"
#include "contact_sheet.h"

namespace korvane::skinpreview {
namespace {

SkinModel DefaultSkin() {
    std::ifstream in(KORVANE_TEST_DATA "/../../data/skins/default.skn", std::ios::binary);
    const std::vector<std::uint8_t> package(std::istreambuf_iterator<char>(in), {});
    return *LoadSkinPackage(package);
}

// Every margin, position and frame count a skin author can write, set to value.
void SetEveryNumber(SkinModel& skin, std::int32_t value) {
    auto element = [&](TDataSkinObject& e) {
        e.LeftWidth = e.TopHeight = e.RightWidth = e.BottomHeight = value;
        e.Frame = value;
    };
    for (TDataSkinBorder* b : {&skin.BorderLeft, &skin.BorderRight, &skin.BorderTop, &skin.BorderBottom})
        element(*b);
    element(skin.Title);
    element(skin.Buttons);
    for (TDataSkinSysButton& b : skin.SysButtons) {
        element(b);
        b.Xcoord = b.Ycoord = value;
    }
    for (TDataSkinObject* e : {skin.MenuBar.get(), skin.SunkEdge.get(), skin.ExtraImages.get(),
                               skin.MenuItem.get(), skin.MenuBackground.get(), skin.VertScrollThumb.get(),
                               static_cast<TDataSkinObject*>(skin.Progress.get()),
                               static_cast<TDataSkinObject*>(skin.Tabs.get())})
        if (e) element(*e);
    skin.Buttons.CheckButtonFrame = skin.Buttons.RadioButtonFrame = value;
}

TEST(MockWindow, ExtremeMarginsPositionsAndFrameCountsStillGiveThePicture) {
    for (const std::int32_t value : {INT_MAX, INT_MIN, 0, -1}) {
        SkinModel skin = DefaultSkin();
        SetEveryNumber(skin, value);
        const Image desktop = render_mock_window(skin);
        EXPECT_EQ(desktop.size(), (Size{900, 470})) << value;
        // The desktop's top-left corner, which no window covers.
        EXPECT_EQ(desktop.at(0, 0), pixel_rgb(58, 110, 165)) << value;
        const Image sheet = render_contact_sheet(skin);
        EXPECT_FALSE(sheet.empty()) << value;
    }
}

}  // namespace
}  // namespace korvane::skinpreview
