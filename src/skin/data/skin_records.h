#pragma once
// The element records: one skinned element each, filled from the skin
// definition and never changed afterwards. A record owns its images; an image
// the definition does not give (or the package does not hold) is empty.
// Fields a loader does not read stay zero.

#include <cstdint>
#include <string>
#include <utility>

#include "base/color.h"
#include "base/image.h"

namespace korvane {

class TDataSkinObject {
public:
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}

    // Fixed parts of the nine-slice.
    std::int32_t LeftWidth = 0;
    std::int32_t TopHeight = 0;
    std::int32_t RightWidth = 0;
    std::int32_t BottomHeight = 0;
    // A horizontal strip of Frame equally wide frames (the vertical borders
    // stack theirs).
    Image Bitmap;
    // Non-zero: magenta pixels are transparent.
    std::int32_t Trans = 0;
    // How the centre is filled; the sense depends on the element (a "Tile"
    // key, a border's "Stretch" key, the menu bar's "TileMenu" key).
    std::int32_t Tile = 0;
    std::string Name;
    std::int32_t Frame = 0;
    std::int32_t Style = 0;
    // Text colours as integers (-1: not given) and from colour text.
    std::int32_t NormalColour = 0;
    std::int32_t MouseOverColour = 0;
    std::int32_t PressedColour = 0;
    Color NormalColour2 = 0;
    Color MouseOverColour2 = 0;
    Color PressedColour2 = 0;
};

// The frame borders, and the elements with a second image: the tab border,
// the progress chunk, the up-down arrow glyphs.
class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    Image Bitmap2;
};

// The caption. Bitmap is the backdrop ("TextBack"); LeftWidth, TopHeight and
// RightWidth hold "TextShift", "TextShiftVert" and "TextRightClip".
class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t TextAlignment = 0;
    std::int32_t TXTBackleft = 0;
    std::int32_t TXTBackRight = 0;
};

// Push buttons, with the glyph strips of check boxes and radio buttons.
class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    Image CheckButton;
    Image RadioButton;
    std::int32_t RadioButtonFrame = 0;
    std::int32_t CheckButtonFrame = 0;
};

// One title-bar button; Bitmap is "ButtonImage", Frame is "frame".
class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t Action = 0;
    std::int32_t Align = 0;
    std::int32_t Xcoord = 0;
    std::int32_t Ycoord = 0;
    std::int32_t Visibility = 0;
    std::int32_t Visibility1 = 0;
};

}  // namespace korvane
