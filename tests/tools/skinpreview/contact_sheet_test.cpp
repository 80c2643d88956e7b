#include <gtest/gtest.h>

#include "contact_sheet.h"

namespace korvane::skinpreview {
namespace {

constexpr Pixel kRed = pixel_rgb(200, 0, 0);
constexpr Pixel kGreen = pixel_rgb(0, 200, 0);
constexpr Pixel kMagenta = pixel_rgb(255, 0, 255);

TEST(ContactSheet, ShowsEachFrameDoubledWithKeyPixelsAsACheckerboard) {
    SkinModel skin;
    // A stacked strip of two 3 x 2 frames.
    skin.BorderTop.Bitmap = Image(3, 4, pixel_rgb(1, 2, 3));
    skin.BorderTop.Frame = 2;
    skin.BorderTop.Bitmap.at(0, 0) = kRed;
    skin.BorderTop.Bitmap.at(1, 0) = kMagenta;
    skin.BorderTop.Bitmap.at(0, 2) = kGreen;
    const Image sheet = render_contact_sheet(skin);

    // One row: its caption, then the frames 2 pixels below it, 6 apart.
    const Point first{12, 12 + 16 + 2};
    const Point second{first.x + 3 * 2 + 6, first.y};
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
            EXPECT_EQ(sheet.at(first.x + dx, first.y + dy), kRed);
            EXPECT_EQ(sheet.at(second.x + dx, second.y + dy), kGreen);
        }
    EXPECT_EQ(sheet.at(first.x + 2, first.y), pixel_rgb(252, 252, 252));
    EXPECT_EQ(sheet.at(first.x + 4, first.y), pixel_rgb(1, 2, 3));
    EXPECT_EQ(sheet.at(second.x + 2, second.y + 2), pixel_rgb(1, 2, 3));
    // Past the second frame lies paper; the caption "Top  3x4, 2 frames"
    // (18 cells of 8 pixels) sets the width.
    EXPECT_EQ(sheet.at(second.x + 6, second.y), pixel_rgb(240, 242, 247));
    EXPECT_EQ(sheet.width(), 12 + 18 * 8 + 12);
    EXPECT_EQ(sheet.height(), first.y + 2 * 2 + 12);
}

TEST(ContactSheet, LeavesOutElementsWithoutImages) {
    SkinModel skin;
    skin.BorderTop.Bitmap = Image(2, 2, kRed);
    skin.BorderTop.Frame = 1;
    const Image one_row = render_contact_sheet(skin);
    skin.Buttons.CheckButton = Image(13, 13, kGreen);
    skin.Buttons.CheckButtonFrame = 1;
    const Image two_rows = render_contact_sheet(skin);
    // Of all the model's elements only the one with an image has a row;
    // giving the check glyphs an image adds theirs (26 pixels high, 10 apart).
    EXPECT_EQ(one_row.height(), 12 + 16 + 2 + 4 + 12);
    EXPECT_EQ(two_rows.height(), one_row.height() + 10 + 16 + 2 + 26);
}

}  // namespace
}  // namespace korvane::skinpreview
