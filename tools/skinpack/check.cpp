#include <ostream>
#include <string>
#include <vector>

#include "base/ini.h"
#include "base/strings.h"
#include "skin/data/colour_text.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_reader.h"
#include "skinpack/cli.h"
#include "skinpack/open_package.h"

namespace korvane::skinpack {

namespace {

using Problems = std::vector<std::string>;

// An element as its strip is cut: frames side by side, or stacked.
struct StripOf {
    const char* label;
    const TDataSkinObject* element;
    bool stacked = false;
};

std::vector<StripOf> Strips(const SkinModel& s) {
    return {
        {"[Personality] Top", &s.BorderTop, true},
        {"[Personality] Bottom", &s.BorderBottom, true},
        {"[Personality] Left", &s.BorderLeft},
        {"[Personality] Right", &s.BorderRight},
        {"[Personality] MenuBar", s.MenuBar.get(), true},
        {"[Buttons]", &s.Buttons},
        {"[Progress]", s.Progress.get()},
        {"[GroupBoxEdge]", s.GroupBoxEdge.get()},
        {"[Toolbars]", s.Toolbars.get()},
        {"[Tabs]", s.Tabs.get()},
        {"[StatusBarEdges]", s.StatusBarEdges.get()},
        {"[ComboButton]", s.ComboButton.get()},
        {"[SunkEdge]", s.SunkEdge.get()},
        {"[ExtraImages]", s.ExtraImages.get()},
        {"[Headerbar]", s.Headerbar.get()},
        {"[MenuItem]", s.MenuItem.get()},
        {"[MenuBackground]", s.MenuBackground.get()},
        {"[Scrollbar]", s.Scrollbar.get()},
        {"[HorzScroll]", s.HorzScroll.get()},
        {"[VertScroll]", s.VertScroll.get()},
        {"[HorzScrollThumb]", s.HorzScrollThumb.get()},
        {"[VertScrollThumb]", s.VertScrollThumb.get()},
        {"[UpDown.Horz]", s.UpDownHorz.get()},
        {"[UpDown.Vert]", s.UpDownVert.get()},
    };
}

// The size of one frame, or nothing when the count cannot cut the image.
Size FrameSize(const Image& image, int frames, bool stacked) {
    if (frames <= 0) return {};
    return stacked ? Size{image.width(), image.height() / frames}
                   : Size{image.width() / frames, image.height()};
}

void CheckFrames(const std::string& label, const Image& image, int frames, bool stacked, Problems& out) {
    if (image.empty()) return;
    const int along = stacked ? image.height() : image.width();
    if (frames <= 0)
        out.push_back(
            format("%s: frame count %d cuts no frame; the image is never drawn", label.c_str(), frames));
    else if (along % frames != 0)
        out.push_back(format(
            "%s: %dx%d does not divide into %d frames %s; the last %d pixels are never drawn", label.c_str(),
            image.width(), image.height(), frames, stacked ? "stacked" : "side by side", along % frames));
}

void CheckMargins(const std::string& label, const TDataSkinObject& e, Size frame, Problems& out) {
    const int margins[] = {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
    for (int m : margins) {
        if (m < 0) {
            out.push_back(format("%s: margins %d %d %d %d: a negative margin counts as 0", label.c_str(),
                                 e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight));
            return;
        }
    }
    if (frame.width <= 0 || frame.height <= 0) return;
    if (e.LeftWidth + e.RightWidth > frame.width)
        out.push_back(
            format("%s: left and right margins %d + %d are wider than its %d-pixel frame; both are dropped",
                   label.c_str(), e.LeftWidth, e.RightWidth, frame.width));
    if (e.TopHeight + e.BottomHeight > frame.height)
        out.push_back(
            format("%s: top and bottom margins %d + %d are higher than its %d-pixel frame; both are dropped",
                   label.c_str(), e.TopHeight, e.BottomHeight, frame.height));
}

void CheckElements(const SkinModel& skin, Problems& out) {
    for (const StripOf& s : Strips(skin)) {
        if (!s.element) continue;
        const TDataSkinObject& e = *s.element;
        CheckFrames(s.label, e.Bitmap, e.Frame, s.stacked, out);
        if (!e.Bitmap.empty()) CheckMargins(s.label, e, FrameSize(e.Bitmap, e.Frame, s.stacked), out);
    }
    CheckFrames("[Buttons] CheckButton", skin.Buttons.CheckButton, skin.Buttons.CheckButtonFrame, false, out);
    CheckFrames("[Buttons] RadioButton", skin.Buttons.RadioButton, skin.Buttons.RadioButtonFrame, false, out);
    for (const TDataSkinBorder* updown : {skin.UpDownHorz.get(), skin.UpDownVert.get()})
        if (updown)
            CheckFrames("[" + updown->Name + "] GlyphImage", updown->Bitmap2, updown->Frame, false, out);
}

// Buttons placed from the window's left or right edge must lie inside the
// title strip: the top border's frame height, and the window's edges.
void CheckSysButtons(const SkinModel& skin, Problems& out) {
    const int title_height = FrameSize(skin.BorderTop.Bitmap, skin.BorderTop.Frame, true).height;
    for (const TDataSkinSysButton& b : skin.SysButtons) {
        if (b.Name.empty() || b.Bitmap.empty()) continue;  // the MDI child's buttons sit in the menu bar
        const std::string label = "[" + b.Name + "]";
        CheckFrames(label, b.Bitmap, b.Frame, false, out);
        const Size size = FrameSize(b.Bitmap, b.Frame, false);
        if (size.width <= 0) continue;
        if (b.Ycoord < 0 || (title_height > 0 && b.Ycoord + size.height > title_height))
            out.push_back(format("%s: rows %d to %d lie outside the %d-pixel title strip", label.c_str(),
                                 b.Ycoord, b.Ycoord + size.height - 1, title_height));
        if ((b.Align == 0 && b.Xcoord < 0) || (b.Align == 1 && b.Xcoord < size.width))
            out.push_back(
                format("%s: Xcoord %d with Align %d puts the %d-pixel button past the window's %s edge",
                       label.c_str(), b.Xcoord, b.Align, size.width, b.Align == 0 ? "left" : "right"));
    }
}

// Colour text as a skin author means it: three numbers 0-255, each
// followed by a single blank or comma but the last.
bool IsWellFormedColour(std::string_view text) {
    std::size_t i = 0;
    for (int n = 0; n < 3; ++n) {
        if (n > 0) {
            if (i == text.size() || (text[i] != ' ' && text[i] != ',')) return false;
            ++i;
        }
        const std::size_t start = i;
        int value = 0;
        while (i < text.size() && i - start < 4 && text[i] >= '0' && text[i] <= '9')
            value = value * 10 + (text[i++] - '0');
        if (i == start || i - start > 3 || value > 255) return false;
    }
    return i == text.size();
}

void CheckColour(const IniFile& ini, const std::string& section, const char* key, Problems& out) {
    const std::string text = ini.read_string(section, key, "");
    if (text.empty() || IsWellFormedColour(trim(text))) return;
    const Color c = ParseColourText(text, 0);
    out.push_back(
        format("[%s] %s: \"%s\" is not three numbers 0-255 parted by single blanks or commas; "
               "it reads as %u %u %u",
               section.c_str(), key, text.c_str(), red_of(c), green_of(c), blue_of(c)));
}

void CheckColours(const IniFile& ini, Problems& out) {
    for (const SkinColourKey& k : kSkinColourKeys) CheckColour(ini, "Colours", k.key, out);
    for (const std::string& section : ini.sections()) {
        const std::string name = ascii_lower(section);
        if (name.starts_with("colour") && name != "colours") CheckColour(ini, section, "color", out);
        for (const char* key : {"NormalColour2", "MouseOverColour2", "PressedColour2"})
            CheckColour(ini, section, key, out);
    }
}

}  // namespace

// check PACKAGE: everything the engine would silently ignore or clamp.
void Check(Args args, std::ostream& out) {
    if (args.size() != 1) throw UsageError("check needs one package");
    const TSkinReader reader = OpenPackage(args[0]);
    std::vector<std::uint8_t> definition;
    std::string definition_name;
    reader.FindMember(kSkinDefinitionText, definition, definition_name);
    Problems problems;
    if (definition_name.empty()) problems.push_back("the package holds no \".ini\" definition");
    const ImageKeyNotice notice = [&problems](std::string_view section, std::string_view key,
                                              std::string_view value, std::string_view refusal) {
        problems.push_back(format("[%.*s] %.*s: \"%.*s\" %.*s", int(section.size()), section.data(),
                                  int(key.size()), key.data(), int(value.size()), value.data(),
                                  int(refusal.size()), refusal.data()));
    };
    const SkinModel skin = ReadSkinPackage(reader, &notice);
    CheckElements(skin, problems);
    CheckSysButtons(skin, problems);
    CheckColours(
        IniFile(std::string_view(reinterpret_cast<const char*>(definition.data()), definition.size())),
        problems);
    for (const std::string& p : problems) out << p << '\n';
    if (!problems.empty())
        throw Error(format("%s: %d problem%s found", args[0].c_str(), int(problems.size()),
                           problems.size() == 1 ? "" : "s"));
    out << args[0] << ": no problems found\n";
}

}  // namespace korvane::skinpack
