#include <ostream>

#include "base/strings.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_reader.h"
#include "skinpack/cli.h"
#include "skinpack/open_package.h"

namespace korvane::skinpack {

namespace {

std::string ImageSize(const Image& image) {
    return image.empty() ? "no image" : format("%dx%d", image.width(), image.height());
}

// As a skin author writes it: colour text, or the system colour it stands for.
std::string ColourText(Color c) {
    if (is_system_color(c)) return format("system colour %u", c & 0xFFFFFFu);
    return format("%u %u %u", red_of(c), green_of(c), blue_of(c));
}

void Element(std::ostream& out, const std::string& label, const TDataSkinObject* element,
             const std::string& extra = "") {
    if (!element) {
        out << format("  %-16s absent\n", label.c_str());
        return;
    }
    out << format("  %-16s %-9s frames %-3d margins %d %d %d %d  trans %d tile %d style %d",
                  label.c_str(), ImageSize(element->Bitmap).c_str(), element->Frame,
                  element->LeftWidth, element->TopHeight, element->RightWidth,
                  element->BottomHeight, element->Trans, element->Tile, element->Style)
        << extra << '\n';
}

std::string SecondImage(const TDataSkinBorder* element, const char* what) {
    if (!element || element->Bitmap2.empty()) return "";
    return format("  %s %s", what, ImageSize(element->Bitmap2).c_str());
}

void Elements(std::ostream& out, const SkinModel& skin) {
    out << "Elements:\n";
    Element(out, "Left", &skin.BorderLeft);
    Element(out, "Right", &skin.BorderRight);
    Element(out, "Top", &skin.BorderTop);
    Element(out, "Bottom", &skin.BorderBottom);
    const TDataSkinTitle& title = skin.Title;
    Element(out, "Title", &title,
            format("  alignment %d backdrop margins %d %d", title.TextAlignment,
                   title.TXTBackleft, title.TXTBackRight));
    const TDataSkinButton& buttons = skin.Buttons;
    Element(out, "Buttons", &buttons,
            format("  check %s (%d frames) radio %s (%d frames)",
                   ImageSize(buttons.CheckButton).c_str(), buttons.CheckButtonFrame,
                   ImageSize(buttons.RadioButton).c_str(), buttons.RadioButtonFrame));
    Element(out, "Progress", skin.Progress.get(), SecondImage(skin.Progress.get(), "chunk"));
    Element(out, "MenuBar", skin.MenuBar.get());
    Element(out, "GroupBoxEdge", skin.GroupBoxEdge.get());
    Element(out, "Toolbars", skin.Toolbars.get());
    Element(out, "Tabs", skin.Tabs.get(), SecondImage(skin.Tabs.get(), "border"));
    Element(out, "StatusBarEdges", skin.StatusBarEdges.get());
    Element(out, "ComboButton", skin.ComboButton.get());
    Element(out, "SunkEdge", skin.SunkEdge.get());
    Element(out, "ExtraImages", skin.ExtraImages.get());
    Element(out, "Headerbar", skin.Headerbar.get());
    Element(out, "MenuItem", skin.MenuItem.get());
    Element(out, "MenuBackground", skin.MenuBackground.get());
    Element(out, "Scrollbar", skin.Scrollbar.get());
    Element(out, "HorzScroll", skin.HorzScroll.get());
    Element(out, "VertScroll", skin.VertScroll.get());
    Element(out, "HorzScrollThumb", skin.HorzScrollThumb.get());
    Element(out, "VertScrollThumb", skin.VertScrollThumb.get());
    Element(out, "UpDown.Horz", skin.UpDownHorz.get(), SecondImage(skin.UpDownHorz.get(), "glyphs"));
    Element(out, "UpDown.Vert", skin.UpDownVert.get(), SecondImage(skin.UpDownVert.get(), "glyphs"));
}

void SysButtons(std::ostream& out, const SkinModel& skin) {
    out << "Title-bar buttons:\n";
    for (const TDataSkinSysButton& b : skin.SysButtons) {
        const std::string name = b.Name.empty() ? "(MDI child)" : printable(b.Name);
        out << format("  %-16s %-9s frames %-3d action %d align %d at %d,%d visibility %d %d\n",
                      name.c_str(), ImageSize(b.Bitmap).c_str(), b.Frame, b.Action, b.Align,
                      b.Xcoord, b.Ycoord, b.Visibility, b.Visibility1);
    }
}

void Colours(std::ostream& out, const SkinModel& skin) {
    out << "Colours:\n";
    for (const SkinColourKey& k : kSkinColourKeys)
        out << format("  %-18s %s\n", k.key, ColourText(skin.Colours.*k.field).c_str());
    out << "Extra colours:";
    if (skin.ExtraColours.empty()) out << " none";
    out << '\n';
    for (std::size_t i = 0; i < skin.ExtraColours.size(); ++i)
        out << format("  %-18d %s\n", int(i + 1), ColourText(skin.ExtraColours[i]).c_str());
}

}  // namespace

// info PACKAGE: the skin as the engine will see it.
void Info(Args args, std::ostream& out) {
    if (args.size() != 1) throw UsageError("info needs one package");
    const TSkinReader reader = OpenPackage(args[0]);
    std::vector<std::uint8_t> definition;
    std::string definition_name = "none";
    reader.FindMember(kSkinDefinitionText, definition, definition_name);
    const SkinModel skin = ReadSkinPackage(reader);
    out << "Skin name: " << printable(skin.SkinName) << '\n'
        << "Definition: " << printable(definition_name) << '\n';
    Elements(out, skin);
    SysButtons(out, skin);
    Colours(out, skin);
}

}  // namespace korvane::skinpack
