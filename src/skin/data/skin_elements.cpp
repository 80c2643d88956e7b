#include "skin/data/skin_elements.h"

#include "base/strings.h"
#include "skin/data/colour_text.h"

namespace korvane {

namespace {

constexpr std::string_view kPersonality = "Personality";

std::string UpperCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return out;
}

// The margins, transparency, fill and text colours every plain element reads.
void ReadElementKeys(const SkinDefinitionSource& source, std::string_view section,
                     TDataSkinObject& record, Color button_text) {
    const IniFile& ini = source.ini;
    record.LeftWidth = ini.read_integer(section, "LeftWidth", 0);
    record.RightWidth = ini.read_integer(section, "RightWidth", 0);
    record.TopHeight = ini.read_integer(section, "TopHeight", 0);
    record.BottomHeight = ini.read_integer(section, "BottomHeight", 0);
    record.Trans = ini.read_integer(section, "Trans", 0);
    record.Tile = ini.read_integer(section, "Tile", 0);
    record.NormalColour = ini.read_integer(section, "NormalColour", -1);
    record.MouseOverColour = ini.read_integer(section, "MouseOverColour", -1);
    record.PressedColour = ini.read_integer(section, "PressedColour", -1);
    record.NormalColour2 = ParseColourText(ini.read_string(section, "NormalColour2", ""), button_text);
    record.MouseOverColour2 =
        ParseColourText(ini.read_string(section, "MouseOverColour2", ""), button_text);
    record.PressedColour2 =
        ParseColourText(ini.read_string(section, "PressedColour2", ""), button_text);
}

// A title-bar button without a "frame" key: 3 frames for a strip up to 3.8
// times as wide as high, else 6 (compared exactly as 5w <= 19h).
std::int32_t DerivedSysButtonFrames(const TDataSkinSysButton& button) {
    if (button.Action < 0 || button.Bitmap.empty()) return 6;
    const std::int64_t w = button.Bitmap.width();
    const std::int64_t h = button.Bitmap.height();
    return 5 * w <= 19 * h ? 3 : 6;
}

bool IsSysButtonSection(std::string_view upper_name) {
    return upper_name.starts_with("BUTTON") && upper_name != "BUTTONS" &&
           upper_name != "BUTTON.RADIO" && upper_name != "BUTTON.CHECKBOX";
}

TDataSkinSysButton ReadSysButton(const SkinDefinitionSource& source, const std::string& section) {
    const IniFile& ini = source.ini;
    TDataSkinSysButton button(UpperCase(section));
    button.Action = ini.read_integer(section, "Action", 0);
    button.Align = ini.read_integer(section, "Align", 0);
    button.Xcoord = ini.read_integer(section, "Xcoord", 0);
    button.Ycoord = ini.read_integer(section, "Ycoord", 0);
    button.Visibility = ini.read_integer(section, "Visibility", 0);
    button.Visibility1 = ini.read_integer(section, "Visibility1", 0);
    button.Frame = ini.read_integer(section, "frame", 0);
    button.Bitmap = source.Bitmap(section, "ButtonImage");
    if (button.Frame == 0) {
        button.Frame = DerivedSysButtonFrames(button);
        if (button.Action == 3 || button.Action == 11) button.Bitmap = Image();
    }
    return button;
}

// The buttons of a maximised MDI child: each takes four of the twelve equal
// cells of the MDICONTROLS strip.
void AppendMdiButtons(const SkinDefinitionSource& source, std::vector<TDataSkinSysButton>& buttons) {
    const Image strip = source.Bitmap("MDICONTROLS", "Image");
    const int cell = strip.width() / 12;
    for (int i = 0; i < 3; ++i) {
        TDataSkinSysButton button("");
        button.Action = 7 + i;
        button.Align = 100;
        button.Visibility = 100;
        button.Visibility1 = 100;
        button.Frame = 4;
        if (!strip.empty()) {
            const Rect cells{4 * cell * i, 0, 4 * cell * (i + 1), strip.height()};
            button.Bitmap = Image::copy_of(strip.view().sub(cells));
            button.Xcoord = (cell + 4) * (3 - i);
        }
        buttons.push_back(std::move(button));
    }
}

// A glyph strip without a frame count: cells 13 pixels wide in a strip less
// than 16 high, else 16; never fewer than 4 frames.
std::int32_t DerivedGlyphFrames(const Image& strip) {
    const int cell = strip.height() < 16 ? 13 : 16;
    return std::max(strip.width() / cell, 4);
}

}  // namespace

TDataSkinBorder ReadFrameBorder(const SkinDefinitionSource& source, const std::string& name) {
    const IniFile& ini = source.ini;
    TDataSkinBorder border(name);
    border.Bitmap = source.Bitmap(kPersonality, name);
    const std::int32_t top = ini.read_integer(kPersonality, name + "TopHeight", 0);
    const std::int32_t bottom = ini.read_integer(kPersonality, name + "BotHeight", 0);
    // A vertical border has fixed top and bottom parts, a horizontal one fixed left and right.
    if (name == "Left" || name == "Right") {
        border.TopHeight = top;
        border.BottomHeight = bottom;
    } else {
        border.LeftWidth = top;
        border.RightWidth = bottom;
    }
    border.Frame = ini.read_integer(kPersonality, name + "Frame", 1);
    border.Tile = ini.read_integer(kPersonality, name + "Stretch", 1);
    border.Trans = ini.read_integer(kPersonality, name + "Trans", 1);
    return border;
}

TDataSkinTitle ReadTitle(const SkinDefinitionSource& source) {
    const IniFile& ini = source.ini;
    TDataSkinTitle title("Title");
    title.Bitmap = source.Bitmap(kPersonality, "TextBack");
    title.LeftWidth = ini.read_integer(kPersonality, "TextShift", 0);
    title.TopHeight = ini.read_integer(kPersonality, "TextShiftVert", 0);
    title.RightWidth = ini.read_integer(kPersonality, "TextRightClip", 0);
    title.TextAlignment = ini.read_integer(kPersonality, "TextAlignment", 0);
    title.TXTBackleft = ini.read_integer(kPersonality, "TXTBackleft", 0);
    title.TXTBackRight = ini.read_integer(kPersonality, "TXTBackRight", 0);
    title.Frame = 2;
    return title;
}

std::vector<TDataSkinSysButton> ReadSysButtons(const SkinDefinitionSource& source) {
    std::vector<TDataSkinSysButton> buttons;
    for (const std::string& section : source.ini.sections())
        if (IsSysButtonSection(UpperCase(section))) buttons.push_back(ReadSysButton(source, section));
    AppendMdiButtons(source, buttons);
    return buttons;
}

TDataSkinButton ReadButtons(const SkinDefinitionSource& source, Color button_text) {
    constexpr std::string_view section = "Buttons";
    const IniFile& ini = source.ini;
    TDataSkinButton buttons("Buttons");
    ReadElementKeys(source, section, buttons, button_text);
    buttons.Bitmap = source.Bitmap(section, "Bitmap");
    buttons.CheckButton = source.Bitmap(section, "CheckButton");
    buttons.RadioButton = source.Bitmap(section, "RadioButton");
    buttons.RadioButtonFrame = ini.read_integer(section, "RadioButtonFrame", 0);
    buttons.CheckButtonFrame = ini.read_integer(section, "CheckButtonFrame", 0);
    if (buttons.RadioButtonFrame == 0) buttons.RadioButtonFrame = DerivedGlyphFrames(buttons.RadioButton);
    if (buttons.CheckButtonFrame == 0) buttons.CheckButtonFrame = DerivedGlyphFrames(buttons.CheckButton);
    buttons.Frame = 5;
    return buttons;
}

std::unique_ptr<TDataSkinObject> ReadPlainElement(const SkinDefinitionSource& source,
                                                  const std::string& section,
                                                  std::int32_t frames, Color button_text) {
    if (source.ini.read_string(section, "Image", "").empty()) return nullptr;
    auto element = std::make_unique<TDataSkinObject>(section);
    element->Bitmap = source.Bitmap(section, "Image");
    element->Style = source.ini.read_integer(section, "Style", 0);
    ReadElementKeys(source, section, *element, button_text);
    element->Frame = frames;
    return element;
}

std::unique_ptr<TDataSkinBorder> ReadTwoImageElement(const SkinDefinitionSource& source,
                                                     const std::string& section,
                                                     std::string_view second_image,
                                                     std::int32_t frames, Color button_text) {
    if (source.ini.read_string(section, "Image", "").empty()) return nullptr;
    auto element = std::make_unique<TDataSkinBorder>(section);
    element->Bitmap = source.Bitmap(section, "Image");
    element->Bitmap2 = source.Bitmap(section, second_image);
    ReadElementKeys(source, section, *element, button_text);
    element->Frame = frames;
    return element;
}

std::unique_ptr<TDataSkinBorder> ReadProgress(const SkinDefinitionSource& source) {
    constexpr std::string_view section = "Progress";
    const IniFile& ini = source.ini;
    if (ini.read_string(section, "Bitmap", "").empty()) return nullptr;
    auto progress = std::make_unique<TDataSkinBorder>("Progress");
    progress->Bitmap = source.Bitmap(section, "Bitmap");
    progress->Bitmap2 = source.Bitmap(section, "Chunk");
    progress->Style = ini.read_integer(section, "Style", 0);
    progress->LeftWidth = ini.read_integer(section, "LeftWidth", 0);
    progress->RightWidth = ini.read_integer(section, "RightWidth", 0);
    progress->TopHeight = ini.read_integer(section, "TopHeight", 0);
    progress->BottomHeight = ini.read_integer(section, "BottomHeight", 0);
    progress->Trans = ini.read_integer(section, "Trans", 0);
    progress->Tile = ini.read_integer(section, "Tile", 0);
    progress->Frame = 2;
    return progress;
}

std::unique_ptr<TDataSkinObject> ReadMenuBar(const SkinDefinitionSource& source) {
    const IniFile& ini = source.ini;
    if (ini.read_string(kPersonality, "menuBar", "").empty()) return nullptr;
    auto menu_bar = std::make_unique<TDataSkinObject>(std::string(kPersonality));
    menu_bar->Bitmap = source.Bitmap(kPersonality, "menuBar");
    menu_bar->Tile = ini.read_integer(kPersonality, "TileMenu", 0);
    menu_bar->LeftWidth = ini.read_integer(kPersonality, "TileLeftMenu", 1);
    menu_bar->RightWidth = ini.read_integer(kPersonality, "TileRightMenu", 1);
    menu_bar->Frame = 2;
    return menu_bar;
}

}  // namespace korvane
