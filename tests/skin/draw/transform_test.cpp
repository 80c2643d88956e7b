#include <gtest/gtest.h>

#include "skin/draw/transform.h"
#include "skin/draw/pictures.h"

namespace korvane {
namespace {

using testing::image_of;
using testing::Picture;
using testing::picture_of;

Picture turned(const Picture& picture, void (*turn)(Image&)) {
    Image image = image_of(picture);
    turn(image);
    return picture_of(image);
}

TEST(Rotate, QuarterTurnsOfATwoByOneImage) {
    EXPECT_EQ(turned({"AB"}, RotateLeft), (Picture{"B", "A"}));
    EXPECT_EQ(turned({"AB"}, RotateRight), (Picture{"A", "B"}));
}

TEST(Rotate, QuarterTurnsOfAThreeByTwoImageAndBack) {
    EXPECT_EQ(turned({"abc", "def"}, RotateLeft), (Picture{"cf", "be", "ad"}));
    EXPECT_EQ(turned({"abc", "def"}, RotateRight), (Picture{"da", "eb", "fc"}));
    Image image = image_of({"abc", "def"});
    RotateLeft(image);
    RotateRight(image);
    EXPECT_EQ(picture_of(image), (Picture{"abc", "def"}));
    Image empty;
    RotateLeft(empty);
    EXPECT_TRUE(empty.empty());
}

TEST(FlipVertical, RowsSwapTopToBottomInAView) {
    Image image = image_of({"abc", "def", "ghi"});
    FlipVertical(image.mutable_view());
    EXPECT_EQ(picture_of(image), (Picture{"ghi", "def", "abc"}));
    Image canvas = image_of({"xabx", "xcdx", "xefx", "xghx"});
    FlipVertical(canvas.mutable_view().sub({1, 0, 3, 4}));
    EXPECT_EQ(picture_of(canvas), (Picture{"xghx", "xefx", "xcdx", "xabx"}));
}

}  // namespace
}  // namespace korvane
