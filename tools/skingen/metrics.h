#pragma once
// Sizes and margins shared by the art and the skin definition: the
// definition tells the engine how to slice each bitmap, the art is drawn to
// be sliced that way. Values marked fixed are those the application's
// stored skin has always published.

namespace korvane::skingen::metrics {

// Window frame.
constexpr int kTitleHeight = 29;        // FrameTop: height of one frame of FrameTop.bmp
constexpr int kSideWidth = 8;           // FrameLeft, FrameRight
constexpr int kBottomHeight = 8;        // FrameBottom
constexpr int kTitleLeftCap = 16;       // fixed: TopTopHeight, BottomTopHeight
constexpr int kTitleRightCap = 119;     // fixed: TopBotHeight, BottomBotHeight
constexpr int kTitleMiddle = 8;
constexpr int kSideTopPart = 29;        // fixed: LeftTopHeight, RightTopHeight
constexpr int kSideBottomPart = 5;      // fixed: LeftBotHeight, RightBotHeight
constexpr int kSideMiddle = 6;
constexpr int kCornerRadius = 8;        // rounded top corners of the window

// Title-bar buttons: fixed positions Xcoord 25, 49, 73 from the right, Ycoord 5.
constexpr int kTitleButtonWidth = 21;
constexpr int kTitleButtonHeight = 19;
constexpr int kTitleButtonFrames = 4;   // normal, pressed, hot, inactive

// Buttons of a maximised MDI child, drawn in the menu bar.
constexpr int kMdiCellWidth = 16;
constexpr int kMdiCellHeight = 14;

// Menu bar.
constexpr int kMenuBarCap = 2;
constexpr int kMenuBarWidth = 12;
constexpr int kMenuBarHeight = 20;

// Push buttons (fixed margins: left 5, top 9, right 5, bottom 6).
constexpr int kButtonWidth = 24;
constexpr int kButtonHeight = 24;
constexpr int kButtonLeft = 5;
constexpr int kButtonTop = 9;
constexpr int kButtonRight = 5;
constexpr int kButtonBottom = 6;

constexpr int kGlyphCell = 13;          // check and radio glyphs

}  // namespace korvane::skingen::metrics

namespace korvane::skingen::metrics {

// Progress bar: trough and bar frames, and the chunk of the chunk style.
constexpr int kProgressCell = 16;
constexpr int kProgressMargin = 3;
constexpr int kChunkWidth = 8;
constexpr int kChunkHeight = 10;

constexpr int kGroupCell = 16;
constexpr int kGroupMargin = 4;

// Tabs; the border around the page is sliced with the engine's fixed
// margins 4, 5, 4, 4.
constexpr int kTabWidth = 20;
constexpr int kTabHeight = 22;
constexpr int kTabSide = 4;
constexpr int kTabTop = 4;
constexpr int kTabBottom = 2;
constexpr int kTabBorderWidth = 12;
constexpr int kTabBorderHeight = 13;

constexpr int kStatusWidth = 10;
constexpr int kStatusHeight = 12;
constexpr int kStatusMargin = 2;

// Combo box: the drop-down button cell is stretched whole over the button.
constexpr int kComboWidth = 18;
constexpr int kComboHeight = 21;
constexpr int kSunkCell = 8;
constexpr int kSunkMargin = 2;
constexpr int kExtraCell = 12;     // combo arrow glyphs and the size grip

constexpr int kHeaderWidth = 14;
constexpr int kHeaderHeight = 20;
constexpr int kHeaderLeft = 2;
constexpr int kHeaderTop = 3;
constexpr int kHeaderRight = 3;
constexpr int kHeaderBottom = 3;

constexpr int kToolbarCell = 22;
constexpr int kToolbarMargin = 3;

}  // namespace korvane::skingen::metrics

namespace korvane::skingen::metrics {

// Scroll bars are composed 16 pixels thick.
constexpr int kScrollCell = 16;
constexpr int kScrollFrames = 23;
constexpr int kTrackMargin = 2;
constexpr int kThumbMargin = 4;         // fixed on all four sides of a thumb
constexpr int kThumbFrames = 3;         // normal, dragged, hot

// Up-down (spin) buttons: the face cell is stretched over each half, the
// glyph cell drawn centred at its own size.
constexpr int kSpinWidth = 16;
constexpr int kSpinHeight = 12;
constexpr int kSpinGlyph = 7;

// Popup menus: a 3-pixel border and a gutter under the check marks.
constexpr int kMenuBorder = 3;
constexpr int kMenuGutter = 19;
constexpr int kMenuItemWidth = 16;
constexpr int kMenuItemHeight = 20;
constexpr int kMenuItemMargin = 3;

}  // namespace korvane::skingen::metrics
