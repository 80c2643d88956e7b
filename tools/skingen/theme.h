#pragma once
// The colours of the default skin. The scheme colours are those the skin
// definition publishes in its "Colours" section; the others shade the art
// around them: an indigo frame (the menu bar colour) around lavender faces
// (the button face colour).

#include "base/color.h"

namespace korvane::skingen::theme {

// Scheme colours, as the definition states them.
constexpr Pixel kFace = pixel_rgb(213, 222, 242);
constexpr Pixel kShadow = pixel_rgb(176, 185, 205);
constexpr Pixel kDkShadow = pixel_rgb(102, 111, 131);
constexpr Pixel kHilight = pixel_rgb(96, 113, 191);
constexpr Pixel kWhite = pixel_rgb(255, 255, 255);
constexpr Pixel kInactiveText = pixel_rgb(197, 212, 236);

// Window frame, active.
constexpr Pixel kFrameOutline = pixel_rgb(38, 46, 104);
constexpr Pixel kFrameLight = pixel_rgb(160, 174, 234);
constexpr Pixel kFrameBody = kHilight;
constexpr Pixel kTitleTop = pixel_rgb(136, 152, 226);
constexpr Pixel kTitleBottom = pixel_rgb(90, 106, 186);
constexpr Pixel kTitleSeam = pixel_rgb(56, 68, 142);

// Window frame, inactive: the same build in a greyed indigo.
constexpr Pixel kFrameOutlineOff = pixel_rgb(92, 98, 130);
constexpr Pixel kFrameLightOff = pixel_rgb(188, 195, 222);
constexpr Pixel kFrameBodyOff = pixel_rgb(128, 136, 172);
constexpr Pixel kTitleTopOff = pixel_rgb(136, 144, 182);
constexpr Pixel kTitleBottomOff = pixel_rgb(120, 128, 164);
constexpr Pixel kTitleSeamOff = pixel_rgb(108, 116, 150);

// Raised lavender faces of buttons, arrows and thumbs.
constexpr Pixel kEdge = pixel_rgb(112, 124, 170);
constexpr Pixel kEdgeSoft = pixel_rgb(150, 160, 196);
constexpr Pixel kFaceTop = pixel_rgb(250, 252, 255);
constexpr Pixel kFaceBottom = pixel_rgb(196, 206, 234);
constexpr Pixel kPressedTop = pixel_rgb(178, 190, 228);
constexpr Pixel kPressedBottom = pixel_rgb(206, 215, 240);
constexpr Pixel kHotEdge = kHilight;
constexpr Pixel kHotTop = pixel_rgb(255, 255, 255);
constexpr Pixel kHotBottom = pixel_rgb(208, 220, 252);
constexpr Pixel kDisabledEdge = pixel_rgb(176, 184, 206);
constexpr Pixel kDisabledFace = pixel_rgb(226, 231, 244);
constexpr Pixel kDisabledInk = pixel_rgb(160, 168, 192);

// Ink of glyphs drawn on lavender faces.
constexpr Pixel kInk = pixel_rgb(44, 56, 120);
constexpr Pixel kInkHot = pixel_rgb(30, 44, 150);

// Fields that hold text or values: edit-like wells and tracks.
constexpr Pixel kWell = pixel_rgb(255, 255, 255);
constexpr Pixel kWellEdge = pixel_rgb(132, 144, 186);
constexpr Pixel kTrack = pixel_rgb(226, 232, 248);
constexpr Pixel kTrackEdge = pixel_rgb(190, 198, 224);

// Menus.
constexpr Pixel kMenuPaper = pixel_rgb(248, 249, 254);
constexpr Pixel kMenuGutter = pixel_rgb(221, 227, 246);
constexpr Pixel kMenuBorder = pixel_rgb(76, 90, 164);
constexpr Pixel kSelectTop = pixel_rgb(122, 138, 210);
constexpr Pixel kSelectBottom = pixel_rgb(88, 104, 184);
constexpr Pixel kSelectEdge = pixel_rgb(60, 74, 150);

// Close button of the title bar.
constexpr Pixel kCloseTop = pixel_rgb(232, 132, 118);
constexpr Pixel kCloseBottom = pixel_rgb(196, 72, 60);
constexpr Pixel kCloseEdge = pixel_rgb(112, 30, 28);

}  // namespace korvane::skingen::theme
