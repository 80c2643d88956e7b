// Properties of the art itself: every state a control can show looks
// different, and text drawn on the art in the scheme's colours is readable.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "skin_art.h"

namespace korvane::skingen {
namespace {

const std::map<std::string, Image>& bitmaps() {
    static const std::map<std::string, Image> all = [] {
        std::map<std::string, Image> m;
        for (SkinBitmap& b : draw_skin_bitmaps()) m.emplace(b.name, std::move(b.image));
        return m;
    }();
    return all;
}

ImageView frame(const std::string& name, int frames, int index) {
    const Image& image = bitmaps().at(name);
    const int w = image.width() / frames;
    return image.view().sub(Rect::from_size(index * w, 0, w, image.height()));
}

bool same_pixels(ImageView a, ImageView b) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (rgb_of(a.at(x, y)) != rgb_of(b.at(x, y))) return false;
    return true;
}

// WCAG contrast ratio of two colours.
double luminance(Pixel p) {
    auto lin = [](int c) {
        const double s = c / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(std::uint8_t(p >> 16)) + 0.7152 * lin(std::uint8_t(p >> 8)) + 0.0722 * lin(std::uint8_t(p));
}
double contrast(Pixel a, Pixel b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(SkinArt, DrawsTheThirtyFourMembersOnce) {
    EXPECT_EQ(draw_skin_bitmaps().size(), 34u);
    EXPECT_EQ(bitmaps().size(), 34u);
}

TEST(SkinArt, EveryStateOfAControlLooksDifferent) {
    struct StateStrip {
        std::string name;
        int frames;
        int first;
        int states;
    };
    const StateStrip strips[] = {
        {"buttons.bmp", 5, 0, 5},        {"checkbox.bmp", 4, 0, 4},      {"radio.bmp", 4, 0, 4},
        {"combo.bmp", 4, 0, 4},          {"combo-arrows.bmp", 5, 0, 4},  {"arrows.bmp", 23, 0, 4},
        {"arrows.bmp", 23, 4, 4},        {"arrows.bmp", 23, 8, 4},       {"arrows.bmp", 23, 12, 4},
        {"hscroll_bar.bmp", 3, 0, 3},    {"vscroll_bar.bmp", 3, 0, 3},   {"toolbarbg.bmp", 8, 0, 4},
        {"menutool.bmp", 8, 0, 4},       {"groupboxlabel.bmp", 8, 4, 4}, {"buttons-tabs.bmp", 5, 0, 5},
        {"CloseButton.bmp", 4, 0, 4},    {"MaxButton.bmp", 4, 0, 4},     {"MinButton.bmp", 4, 0, 4},
        {"RestroreButton.bmp", 4, 0, 4}, {"button-mdi.bmp", 12, 8, 4},   {"progress.bmp", 2, 0, 2},
        {"status.bmp", 3, 0, 3},         {"buttons-menu.bmp", 5, 2, 3},
    };
    for (const StateStrip& s : strips)
        for (int a = s.first; a < s.first + s.states; ++a)
            for (int b = a + 1; b < s.first + s.states; ++b)
                EXPECT_FALSE(same_pixels(frame(s.name, s.frames, a), frame(s.name, s.frames, b)))
                    << s.name << " frames " << a + 1 << " and " << b + 1;
}

TEST(SkinArt, CaptionsAndGlyphsStandOutFromWhatTheyAreDrawnOn) {
    const Pixel white = pixel_rgb(255, 255, 255);
    const Pixel inactive_text = pixel_rgb(197, 212, 236);
    const Image& top = bitmaps().at("FrameTop.bmp");
    const int title = top.height() / 2;
    // Caption rows: the middle of the title bar, active and inactive.
    for (int y = title / 3; y < title * 2 / 3; ++y) {
        EXPECT_GE(contrast(white, top.at(40, y)), 3.0) << "active row " << y;
        EXPECT_GE(contrast(inactive_text, top.at(40, title + y)), 2.0) << "inactive row " << y;
    }
    // Menu bar entries are white on the bar.
    const Image& bar = bitmaps().at("menu.bmp");
    for (int y = 2; y < bar.height() / 2 - 2; ++y) EXPECT_GE(contrast(white, bar.at(5, y)), 3.0) << y;
    // Push-button captions (59 97 131) on every enabled face, black on the disabled one.
    const Image& buttons = bitmaps().at("buttons.bmp");
    const int bw = buttons.width() / 5;
    for (int f : {0, 1, 3, 4}) EXPECT_GE(contrast(pixel_rgb(59, 97, 131), buttons.at(f * bw + bw / 2, 12)), 3.0) << f;
    // The glyph of each title-bar button against the middle of its face.
    for (const char* name : {"CloseButton.bmp", "MaxButton.bmp", "MinButton.bmp", "RestroreButton.bmp"}) {
        const ImageView normal = frame(name, 4, 0);
        Pixel glyph = 0;
        int glyph_pixels = 0;
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x)
                if (rgb_of(normal.at(x, y)) == 0xFFFFFF) {
                    glyph = normal.at(x, y);
                    ++glyph_pixels;
                }
        EXPECT_GE(glyph_pixels, 14) << name;
        EXPECT_GE(contrast(glyph, normal.at(2, normal.height() / 2)), 2.5) << name;
    }
}

}  // namespace
}  // namespace korvane::skingen
