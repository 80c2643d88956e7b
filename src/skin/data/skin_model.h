#pragma once
// A skin as its definition describes it: the element records and the colour
// scheme. Portable; the Windows skin data component holds one and hands its
// records to the skinning objects.
//
// Title, Buttons and the four borders always exist. Every other element is a
// null pointer when the definition gives it no image; consumers test for it.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/color.h"
#include "framework/core/colors.h"
#include "skin/data/skin_records.h"

namespace korvane {

// Section "Colours"; each key defaults to the system colour given here.
struct SkinColours {
    Color WindowText = clWindowText;
    Color ButtonFace = clBtnFace;
    Color Scrollbar = clScrollBar;
    Color HilightText = clHighlightText;
    Color Hilight = clHighlight;
    Color Menubar = clBtnFace;  // defaults to the ButtonFace read
    Color Menu = clMenu;
    Color MenuText = clMenuText;
    Color ButtonText = clBtnText;
    Color ButtonHilight = clBtnHighlight;
    Color Buttonlight = clBtnHighlight;
    Color ButtonShadow = clBtnShadow;
    Color ButtonDkShadow = clBtnShadow;
    Color MenuBarText = clMenuText;
    Color TitleTextActive = clCaptionText;
    Color TitleTextNoActive = clInactiveCaptionText;
};

// The keys of section "Colours" in the order they are read.
struct SkinColourKey {
    const char* key;
    Color SkinColours::*field;
};
inline constexpr SkinColourKey kSkinColourKeys[] = {
    {"WindowText", &SkinColours::WindowText},
    {"ButtonFace", &SkinColours::ButtonFace},
    {"Scrollbar", &SkinColours::Scrollbar},
    {"HilightText", &SkinColours::HilightText},
    {"Hilight", &SkinColours::Hilight},
    {"Menubar", &SkinColours::Menubar},
    {"Menu", &SkinColours::Menu},
    {"MenuText", &SkinColours::MenuText},
    {"ButtonText", &SkinColours::ButtonText},
    {"ButtonHilight", &SkinColours::ButtonHilight},
    {"Buttonlight", &SkinColours::Buttonlight},
    {"ButtonShadow", &SkinColours::ButtonShadow},
    {"ButtonDkShadow", &SkinColours::ButtonDkShadow},
    {"MenuBarText", &SkinColours::MenuBarText},
    {"TitleTextActive", &SkinColours::TitleTextActive},
    {"TitleTextNoActive", &SkinColours::TitleTextNoActive},
};

class SkinModel {
public:
    // True until a definition has been read.
    bool Empty = true;
    std::string SkinName;
    SkinColours Colours;
    std::vector<Color> ExtraColours;

    TDataSkinBorder BorderLeft{"Left"};
    TDataSkinBorder BorderRight{"Right"};
    TDataSkinBorder BorderTop{"Top"};
    TDataSkinBorder BorderBottom{"Bottom"};
    TDataSkinTitle Title{"Title"};
    // The buttons of the definition in file order, then the three buttons of
    // a maximised MDI child (Action 7, 8, 9).
    std::vector<TDataSkinSysButton> SysButtons;
    TDataSkinButton Buttons{"Buttons"};

    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> MenuBar;
    std::unique_ptr<TDataSkinObject> GroupBoxEdge;
    std::unique_ptr<TDataSkinObject> Toolbars;
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinObject> StatusBarEdges;
    std::unique_ptr<TDataSkinObject> ComboButton;
    std::unique_ptr<TDataSkinObject> SunkEdge;
    std::unique_ptr<TDataSkinObject> ExtraImages;
    std::unique_ptr<TDataSkinObject> Headerbar;
    std::unique_ptr<TDataSkinObject> MenuItem;
    std::unique_ptr<TDataSkinObject> MenuBackground;
    std::unique_ptr<TDataSkinObject> Scrollbar;
    std::unique_ptr<TDataSkinObject> HorzScroll;
    std::unique_ptr<TDataSkinObject> VertScroll;
    std::unique_ptr<TDataSkinObject> HorzScrollThumb;
    std::unique_ptr<TDataSkinObject> VertScrollThumb;
    std::unique_ptr<TDataSkinBorder> UpDownHorz;
    std::unique_ptr<TDataSkinBorder> UpDownVert;
};

// The bytes of the package member of that name (compared in lower case), or
// none when the package has no such member.
using SkinMemberLookup = std::function<std::vector<std::uint8_t>(std::string_view name)>;

// Told of every image key whose non-empty value gives no image, and why.
using ImageKeyNotice = std::function<void(std::string_view section, std::string_view key,
                                          std::string_view value, std::string_view refusal)>;

// The most pixels the images of one skin hold together (64 MB of 32-bit
// pixels): an image named again counts again, and an image that no longer
// fits is left empty, as a missing one is. The default skin holds about
// 51,000 pixels, 0.3 % of this.
inline constexpr std::int64_t kMaxSkinPixels = std::int64_t(1) << 24;

// Reads a skin definition; every image it names is fetched through members,
// each member decoded once, within kMaxSkinPixels.
SkinModel ReadSkinDefinition(std::string_view definition, const SkinMemberLookup& members,
                             const ImageKeyNotice* notice = nullptr);

// The definition of a package is its first member whose name contains this.
inline constexpr std::string_view kSkinDefinitionText = ".ini";

class TSkinReader;
// Reads the definition of an open package; its images come from the package.
// A package without a definition gives a model of defaults.
SkinModel ReadSkinPackage(const TSkinReader& reader, const ImageKeyNotice* notice = nullptr);

// Opens a skin package and reads its definition. Empty when the package
// reader refuses the package (it has shown why); decoder failures
// (ElzhException) pass through.
std::optional<SkinModel> LoadSkinPackage(std::span<const std::uint8_t> package);

}  // namespace korvane
