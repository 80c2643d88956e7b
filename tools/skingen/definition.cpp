#include "definition.h"

#include <string_view>

#include "metrics.h"
#include "palette.h"
#include "theme.h"

namespace korvane::skingen {

namespace {

using namespace metrics;

// Writes INI text with Windows line ends.
class IniText {
public:
    explicit IniText(Theme theme) : theme_(theme) {}
    void section(std::string_view name) {
        if (!text_.empty()) text_ += "\r\n";
        text_ += "[";
        text_ += name;
        text_ += "]\r\n";
    }
    void key(std::string_view name, std::string_view value) {
        text_ += name;
        text_ += "=";
        text_ += value;
        text_ += "\r\n";
    }
    void key(std::string_view name, int value) { key(name, std::to_string(value)); }
    // A colour as the theme shows it, written "R G B".
    void colour(std::string_view name, Pixel art) { write_colour(name, Recolour(theme_, art)); }
    // A text colour as the theme shows it over `paper` (art colours both).
    void text_colour(std::string_view name, Pixel art, Pixel paper) {
        write_colour(name, RecolourText(theme_, art, paper));
    }
    void margins(int left, int top, int right, int bottom) {
        key("LeftWidth", left);
        key("TopHeight", top);
        key("RightWidth", right);
        key("BottomHeight", bottom);
    }
    const std::string& text() const { return text_; }

private:
    void write_colour(std::string_view name, Pixel p) {
        key(name, std::to_string((p >> 16) & 0xFF) + " " + std::to_string((p >> 8) & 0xFF) + " " +
                      std::to_string(p & 0xFF));
    }

    Theme theme_;
    std::string text_;
};

void write_frame(IniText& ini) {
    ini.section("Personality");
    ini.key("Top", "FrameTop.bmp");
    ini.key("Left", "FrameLeft.bmp");
    ini.key("Right", "FrameRight.bmp");
    ini.key("Bottom", "FrameBottom.bmp");
    for (const char* side : {"Top", "Left", "Right", "Bottom"}) ini.key(std::string(side) + "Frame", 2);
    ini.key("TopTopHeight", kTitleLeftCap);
    ini.key("TopBotHeight", kTitleRightCap);
    ini.key("LeftTopHeight", kSideTopPart);
    ini.key("LeftBotHeight", kSideBottomPart);
    ini.key("RightTopHeight", kSideTopPart);
    ini.key("RightBotHeight", kSideBottomPart);
    ini.key("BottomTopHeight", kTitleLeftCap);
    ini.key("BottomBotHeight", kTitleRightCap);
    for (const char* side : {"Top", "Left", "Right", "Bottom"}) {
        ini.key(std::string(side) + "Stretch", 1);
        ini.key(std::string(side) + "Trans", 1);
    }
    ini.key("TextShift", 16);
    ini.key("TextShiftVert", 2);
    ini.key("TextRightClip", 20);
    ini.key("TextAlignment", "");
    ini.key("MenuBar", "menu.bmp");
    ini.key("TileMenu", 0);
    ini.key("TileLeftMenu", kMenuBarCap);
    ini.key("TileRightMenu", kMenuBarCap);
}

void write_buttons(IniText& ini) {
    ini.section("Buttons");
    ini.key("Bitmap", "buttons.bmp");
    ini.key("TopHeight", kButtonTop);
    ini.key("BottomHeight", kButtonBottom);
    ini.key("LeftWidth", kButtonLeft);
    ini.key("RightWidth", kButtonRight);
    ini.key("Trans", 1);
    ini.key("Tile", 0);
    ini.key("CheckButton", "checkbox.bmp");
    ini.key("RadioButton", "radio.bmp");
    ini.colour("NormalColour2", pixel_rgb(59, 97, 131));
    ini.colour("PressedColour2", pixel_rgb(40, 74, 59));
    ini.colour("MouseOverColour2", pixel_rgb(40, 74, 59));
}

void write_colours(IniText& ini) {
    ini.section("Colours");
    ini.colour("ButtonFace", pixel_rgb(213, 222, 242));
    ini.colour("ButtonText", pixel_rgb(0, 0, 0));
    ini.colour("ButtonShadow", pixel_rgb(176, 185, 205));
    ini.colour("ButtonDkShadow", pixel_rgb(102, 111, 131));
    ini.colour("Hilight", pixel_rgb(96, 113, 191));
    ini.text_colour("HilightText", pixel_rgb(255, 255, 255), theme::kHilight);
    ini.colour("Menu", pixel_rgb(213, 222, 242));
    ini.colour("MenuText", pixel_rgb(0, 0, 0));
    ini.colour("Menubar", pixel_rgb(96, 113, 191));
    ini.text_colour("MenuBarText", pixel_rgb(255, 255, 255), theme::kHilight);
    // Captions sit on the title strip's gradient.
    ini.text_colour("TitleTextActive", pixel_rgb(255, 255, 255), theme::kTitleTop);
    ini.text_colour("TitleTextNoActive", pixel_rgb(197, 212, 236), theme::kTitleTopOff);
    ini.colour("Scrollbar", pixel_rgb(213, 222, 242));
    // Text on window backgrounds, which are the system's and not the skin's,
    // keeps its colour in every theme.
    ini.key("WindowText", "0 0 0");
}

// Close, maximise, minimise, restore and the window icon.
void write_title_buttons(IniText& ini) {
    struct TitleButton {
        int action, xcoord, ycoord, visibility, visibility1;
        const char* image;
        int align;
    };
    static constexpr TitleButton kButtons[] = {
        {0, 25, 5, 0, 0, "CloseButton.bmp", 1},
        {1, 49, 5, 2, 6, "MaxButton.bmp", 1},
        {2, 73, 5, 8, 0, "MinButton.bmp", 1},
        {1, 49, 5, 1, 0, "RestroreButton.bmp", 1},
        {3, 8, 7, 0, 0, nullptr, 0},
    };
    for (int i = 0; i < 5; ++i) {
        const TitleButton& b = kButtons[i];
        ini.section("Button" + std::to_string(i));
        ini.key("Action", b.action);
        ini.key("Align", b.align);
        ini.key("Xcoord", b.xcoord);
        ini.key("Ycoord", b.ycoord);
        ini.key("Visibility", b.visibility);
        if (b.visibility1 != 0) ini.key("Visibility1", b.visibility1);
        if (b.image) {
            ini.key("ButtonImage", b.image);
            ini.key("frame", kTitleButtonFrames);
        }
    }
    ini.section("MDICONTROLS");
    ini.key("Image", "button-mdi.bmp");
}

// A section of a plain element: image, margins, transparency, tiling.
void element(IniText& ini, std::string_view name, std::string_view image, int left, int top, int right,
             int bottom, int trans) {
    ini.section(name);
    ini.key("Image", image);
    ini.margins(left, top, right, bottom);
    ini.key("Trans", trans);
    ini.key("Tile", 0);
}

void write_controls(IniText& ini) {
    ini.section("Progress");
    ini.key("Bitmap", "progress.bmp");
    ini.key("Chunk", "dialog.bmp");
    ini.key("Style", 0);
    ini.margins(kProgressMargin, kProgressMargin, kProgressMargin, kProgressMargin);
    ini.key("Trans", 1);
    ini.key("Tile", 0);

    element(ini, "GroupBoxEdge", "groupboxedge.bmp", kGroupMargin, kGroupMargin, kGroupMargin,
            kGroupMargin, 1);
    element(ini, "Toolbars", "buttons-toolbar.bmp", kToolbarMargin, kToolbarMargin, kToolbarMargin,
            kToolbarMargin, 1);

    element(ini, "Tabs", "buttons-tabs.bmp", kTabSide, kTabTop, kTabSide, kTabBottom, 1);
    ini.key("Border", "tabborder.bmp");
    ini.colour("NormalColour2", pixel_rgb(59, 97, 131));
    ini.colour("MouseOverColour2", pixel_rgb(24, 32, 88));

    element(ini, "StatusBarEdges", "status.bmp", kStatusMargin, kStatusMargin, kStatusMargin,
            kStatusMargin, 0);
    element(ini, "ComboButton", "combo.bmp", 0, 0, 0, 0, 1);
    ini.key("Style", 0);
    element(ini, "SunkEdge", "sunkedge.bmp", kSunkMargin, kSunkMargin, kSunkMargin, kSunkMargin, 0);
    element(ini, "ExtraImages", "combo-arrows.bmp", 0, 0, 0, 0, 1);
    element(ini, "Headerbar", "header.bmp", kHeaderLeft, kHeaderTop, kHeaderRight, kHeaderBottom, 0);
}

void write_menus(IniText& ini) {
    element(ini, "MenuItem", "buttons-menu.bmp", kMenuItemMargin, kMenuItemMargin, kMenuItemMargin,
            kMenuItemMargin, 1);
    element(ini, "MenuBackground", "menuborder.bmp", kMenuBorder + kMenuGutter, kMenuBorder,
            kMenuBorder, kMenuBorder, 0);
}

void write_scrolling(IniText& ini) {
    element(ini, "Scrollbar", "arrows.bmp", 0, 0, 0, 0, 1);
    element(ini, "HorzScroll", "hscroll_back.bmp", kTrackMargin, kTrackMargin, kTrackMargin,
            kTrackMargin, 0);
    element(ini, "VertScroll", "vscroll_back.bmp", kTrackMargin, kTrackMargin, kTrackMargin,
            kTrackMargin, 0);
    element(ini, "HorzScrollThumb", "hscroll_bar.bmp", kThumbMargin, kThumbMargin, kThumbMargin,
            kThumbMargin, 1);
    ini.key("FrameCount", kThumbFrames);
    element(ini, "VertScrollThumb", "vscroll_bar.bmp", kThumbMargin, kThumbMargin, kThumbMargin,
            kThumbMargin, 1);
    ini.key("FrameCount", kThumbFrames);

    element(ini, "UpDown.Horz", "toolbarbg.bmp", 0, 0, 0, 0, 1);
    ini.key("GlyphImage", "groupboxlabel.bmp");
    element(ini, "UpDown.Vert", "toolbarbg.bmp", 0, 0, 0, 0, 1);
    ini.key("GlyphImage", "menutool.bmp");
}

}  // namespace

std::string skin_definition(Theme theme) {
    IniText ini(theme);
    ini.section("TitlebarSkin");
    ini.key("SkinName", InfoOf(theme).skin_name);
    write_frame(ini);
    write_buttons(ini);
    write_colours(ini);
    write_title_buttons(ini);
    write_controls(ini);
    write_menus(ini);
    write_scrolling(ini);
    return ini.text();
}

}  // namespace korvane::skingen
