// Themes recolour the one set of art: every themed package has the default
// package's members, sizes and transparent pixels, and only its colours
// differ.

#include "palette.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/bmp.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_reader.h"
#include "skin_package.h"

namespace korvane::skingen {
namespace {

int Lightness(Pixel p) {
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return (std::max({r, g, b}) + std::min({r, g, b})) / 2;
}

TEST(Palette, NamesFindTheirThemesAndTheDefaultIsIndigo) {
    EXPECT_EQ(kThemes[0].theme, Theme::kIndigo);
    ASSERT_TRUE(FindTheme("night").has_value());
    EXPECT_EQ(FindTheme("night")->theme, Theme::kNight);
    EXPECT_EQ(FindTheme("silver")->skin_name, "Korvane Silver");
    EXPECT_FALSE(FindTheme("Night").has_value());
    EXPECT_FALSE(FindTheme("").has_value());
}

TEST(Palette, KeyStaysAndIsNeverMadeIndigoIsTheArtItself) {
    for (const ThemeInfo& t : kThemes) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(rgb_of(Recolour(t.theme, pixel_rgb(255, 0, 255))), kKeyRgb);
        // Every colour of the cube's edges and a grid inside it stays off the key.
        for (int r = 0; r < 256; r += 15)
            for (int g = 0; g < 256; g += 15)
                for (int b = 0; b < 256; b += 15) {
                    const Pixel p = pixel_rgb(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
                    if (!is_key(p)) {
                        EXPECT_FALSE(is_key(Recolour(t.theme, p)));
                    }
                }
    }
    EXPECT_EQ(Recolour(Theme::kIndigo, pixel_rgb(96, 113, 191)), pixel_rgb(96, 113, 191));
}

TEST(Palette, NightTurnsPaperDarkAndInkLightSilverLightensAndGreys) {
    const Pixel face = pixel_rgb(213, 222, 242), ink = pixel_rgb(44, 56, 120);
    EXPECT_LT(Lightness(Recolour(Theme::kNight, face)), 80);
    EXPECT_GT(Lightness(Recolour(Theme::kNight, ink)), 160);
    EXPECT_EQ(Recolour(Theme::kNight, pixel_rgb(255, 255, 255)), pixel_rgb(20, 20, 20));
    EXPECT_EQ(Recolour(Theme::kNight, pixel_rgb(0, 0, 0)), pixel_rgb(235, 235, 235));
    const Pixel frame = pixel_rgb(96, 113, 191), silver = Recolour(Theme::kSilver, frame);
    EXPECT_GE(Lightness(silver), Lightness(frame));
    // Greyed: the channels close up, and green leads blue less than indigo's blue leads red.
    const int spread = std::max({(silver >> 16) & 0xFF, (silver >> 8) & 0xFF, silver & 0xFF}) -
                       std::min({(silver >> 16) & 0xFF, (silver >> 8) & 0xFF, silver & 0xFF});
    EXPECT_LT(spread, 191 - 96);
}

TEST(Palette, TextKeepsItsContrastWithTheBackgroundItIsWrittenOn) {
    const Pixel white = pixel_rgb(255, 255, 255), black = pixel_rgb(0, 0, 0);
    const Pixel title = pixel_rgb(136, 152, 226), face = pixel_rgb(213, 222, 242);
    // Indigo is the art: its text stays as drawn.
    EXPECT_EQ(RecolourText(Theme::kIndigo, white, title), white);
    // Night darkens white text less than the title around it: the text turns light again.
    EXPECT_EQ(RecolourText(Theme::kNight, white, title), pixel_rgb(235, 235, 235));
    // Silver lightens the title under white text: the text turns black.
    EXPECT_EQ(RecolourText(Theme::kSilver, white, title), black);
    // Where recolouring keeps the contrast, text is recoloured like any pixel.
    EXPECT_EQ(RecolourText(Theme::kNight, black, face), Recolour(Theme::kNight, black));
    EXPECT_EQ(RecolourText(Theme::kSilver, black, face), Recolour(Theme::kSilver, black));
    EXPECT_DOUBLE_EQ(Contrast(black, white), 21.0);
    EXPECT_DOUBLE_EQ(Contrast(title, title), 1.0);
}

TEST(ThemedPackages, TextReadsOnItsBackgroundAtLeastAsWellAsInTheDefault) {
    const Pixel title = pixel_rgb(136, 152, 226);
    const auto indigo = LoadSkinPackage(skin_package(Theme::kIndigo));
    ASSERT_TRUE(indigo.has_value());
    const SkinColours& d = indigo->Colours;
    for (Theme theme : {Theme::kNight, Theme::kSilver}) {
        SCOPED_TRACE(InfoOf(theme).name);
        const auto skin = LoadSkinPackage(skin_package(theme));
        ASSERT_TRUE(skin.has_value());
        const SkinColours& c = skin->Colours;
        EXPECT_GE(Contrast(to_pixel(c.TitleTextActive), Recolour(theme, title)),
                  Contrast(to_pixel(d.TitleTextActive), title));
        EXPECT_GE(Contrast(to_pixel(c.MenuBarText), to_pixel(c.Menubar)),
                  Contrast(to_pixel(d.MenuBarText), to_pixel(d.Menubar)));
        EXPECT_GE(Contrast(to_pixel(c.HilightText), to_pixel(c.Hilight)),
                  Contrast(to_pixel(d.HilightText), to_pixel(d.Hilight)));
        EXPECT_GE(Contrast(to_pixel(c.ButtonText), to_pixel(c.ButtonFace)), 4.5);
    }
}

TEST(ThemedPackages, HoldTheDefaultsMembersSizesAndTransparentPixels) {
    const auto indigo = LoadSkinPackage(skin_package(Theme::kIndigo));
    ASSERT_TRUE(indigo.has_value());
    for (Theme theme : {Theme::kNight, Theme::kSilver}) {
        SCOPED_TRACE(InfoOf(theme).name);
        const std::vector<std::uint8_t> bytes = skin_package(theme);
        TSkinReader reader, default_reader;
        ASSERT_TRUE(reader.LoadPackage(bytes));
        ASSERT_TRUE(default_reader.LoadPackage(skin_package(Theme::kIndigo)));
        EXPECT_EQ(reader.names(), default_reader.names());
        const auto skin = LoadSkinPackage(bytes);
        ASSERT_TRUE(skin.has_value());
        EXPECT_EQ(skin->SkinName, InfoOf(theme).skin_name);
        // Every bitmap: same size, the key where the default has it, other colours changed.
        const std::vector<ArchiveMember> plain = skin_members(Theme::kIndigo), themed = skin_members(theme);
        ASSERT_EQ(plain.size(), themed.size());
        int keys = 0, changed = 0;
        for (std::size_t i = 1; i < plain.size(); ++i) {
            SCOPED_TRACE(plain[i].name);
            const Image a = decode_bmp(plain[i].bytes), b = decode_bmp(themed[i].bytes);
            ASSERT_EQ(a.size(), b.size());
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x) {
                    ASSERT_EQ(is_key(a.at(x, y)), is_key(b.at(x, y))) << x << "," << y;
                    keys += is_key(a.at(x, y));
                    changed += !is_key(a.at(x, y)) && rgb_of(a.at(x, y)) != rgb_of(b.at(x, y));
                }
        }
        EXPECT_GT(keys, 0);
        EXPECT_GT(changed, 0);
        EXPECT_EQ(skin->Colours.ButtonFace, to_color(Recolour(theme, pixel_rgb(213, 222, 242))));
        // Window backgrounds are the system's, so their text stays black.
        EXPECT_EQ(skin->Colours.WindowText, rgb(0, 0, 0));
        EXPECT_EQ(skin->SysButtons.size(), indigo->SysButtons.size());
    }
}

}  // namespace
}  // namespace korvane::skingen
