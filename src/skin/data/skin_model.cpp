#include "skin/data/skin_model.h"

#include "base/ini.h"
#include "base/strings.h"
#include "skin/data/colour_text.h"
#include "skin/data/skin_elements.h"
#include "skin/data/skin_images.h"
#include "skin/data/skin_reader.h"

namespace korvane {

namespace {

// In table order: the Menubar default is the ButtonFace just read.
SkinColours ReadColours(const IniFile& ini) {
    SkinColours c;  // the defaults, replaced by what the definition gives
    for (const SkinColourKey& k : kSkinColourKeys) {
        const Color fallback = k.field == &SkinColours::Menubar ? c.ButtonFace : c.*k.field;
        c.*k.field = ParseColourText(ini.read_string("Colours", k.key, ""), fallback);
    }
    return c;
}

// One entry per section named Colour<anything> other than Colours, in file order.
std::vector<Color> ReadExtraColours(const IniFile& ini) {
    std::vector<Color> colours;
    for (const std::string& section : ini.sections()) {
        const std::string name = ascii_lower(section);
        if (name.starts_with("colour") && name != "colours")
            colours.push_back(ParseColourText(ini.read_string(section, "color", ""), clWindowText));
    }
    return colours;
}

}  // namespace

SkinModel ReadSkinDefinition(std::string_view definition, const SkinMemberLookup& members,
                             const ImageKeyNotice* notice) {
    const IniFile ini(definition);
    SkinImages images(members);
    const SkinDefinitionSource source{ini, images, notice};
    SkinModel skin;
    skin.SkinName = ini.read_string("TitlebarSkin", "SkinName", "");
    skin.BorderLeft = ReadFrameBorder(source, "Left");
    skin.BorderRight = ReadFrameBorder(source, "Right");
    skin.BorderTop = ReadFrameBorder(source, "Top");
    skin.BorderBottom = ReadFrameBorder(source, "Bottom");
    // Before the elements: their colour texts default to the button text colour.
    skin.Colours = ReadColours(ini);
    skin.ExtraColours = ReadExtraColours(ini);
    skin.SysButtons = ReadSysButtons(source);
    const Color text = skin.Colours.ButtonText;
    skin.Buttons = ReadButtons(source, text);
    skin.Title = ReadTitle(source);

    skin.Progress = ReadProgress(source);
    skin.MenuBar = ReadMenuBar(source);
    skin.GroupBoxEdge = ReadPlainElement(source, "GroupBoxEdge", 2, text);
    skin.Toolbars = ReadPlainElement(source, "Toolbars", 5, text);
    skin.Tabs = ReadTwoImageElement(source, "Tabs", "Border", 5, text);
    skin.StatusBarEdges = ReadPlainElement(source, "StatusBarEdges", 3, text);
    skin.ComboButton = ReadPlainElement(source, "ComboButton", 4, text);
    skin.SunkEdge = ReadPlainElement(source, "SunkEdge", 4, text);
    skin.ExtraImages = ReadPlainElement(source, "ExtraImages", 5, text);
    skin.Headerbar = ReadPlainElement(source, "Headerbar", 5, text);
    skin.MenuItem = ReadPlainElement(source, "MenuItem", 5, text);
    skin.MenuBackground = ReadPlainElement(source, "MenuBackground", 1, text);
    skin.Scrollbar = ReadPlainElement(source, "Scrollbar", 23, text);
    skin.HorzScroll = ReadPlainElement(source, "HorzScroll", 4, text);
    skin.VertScroll = ReadPlainElement(source, "VertScroll", 4, text);
    skin.HorzScrollThumb = ReadPlainElement(
        source, "HorzScrollThumb", ini.read_integer("HorzScrollThumb", "FrameCount", 3), text);
    skin.VertScrollThumb = ReadPlainElement(
        source, "VertScrollThumb", ini.read_integer("VertScrollThumb", "FrameCount", 3), text);
    skin.UpDownHorz = ReadTwoImageElement(source, "UpDown.Horz", "GlyphImage", 8, text);
    skin.UpDownVert = ReadTwoImageElement(source, "UpDown.Vert", "GlyphImage", 8, text);
    skin.Empty = false;
    return skin;
}

SkinModel ReadSkinPackage(const TSkinReader& reader, const ImageKeyNotice* notice) {
    std::vector<std::uint8_t> definition;
    std::string definition_name;
    reader.FindMember(kSkinDefinitionText, definition, definition_name);
    const SkinMemberLookup members = [&reader](std::string_view name) {
        std::vector<std::uint8_t> bytes;
        reader.GetMember(name, bytes);
        return bytes;
    };
    return ReadSkinDefinition(
        std::string_view(reinterpret_cast<const char*>(definition.data()), definition.size()),
        members, notice);
}

std::optional<SkinModel> LoadSkinPackage(std::span<const std::uint8_t> package) {
    TSkinReader reader;
    if (!reader.LoadPackage(package)) return std::nullopt;
    return ReadSkinPackage(reader);
}

}  // namespace korvane
