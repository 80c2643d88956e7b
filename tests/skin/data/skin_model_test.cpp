#include <gtest/gtest.h>

#include <map>
#include <string>

#include "base/bmp.h"
#include "base/strings.h"
#include "skin/data/skin_elements.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_reader_notice.h"
#include "skinpack/archive_writer.h"
#include "skinpack/lzh_encoder.h"

namespace korvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A package's members by lower-cased name, as the package reader hands them out.
class SkinFiles {
public:
    // A bitmap w x h whose column x has the colour (x, 0, 0).
    SkinFiles& Strip(const std::string& name, int width, int height) {
        Image image(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) image.at(x, y) = pixel_rgb(std::uint8_t(x), 0, 0);
        members_[ascii_lower(name)] = encode_bmp(image);
        return *this;
    }
    SkinFiles& Raw(const std::string& name, Bytes bytes) {
        members_[ascii_lower(name)] = std::move(bytes);
        return *this;
    }
    SkinMemberLookup Lookup() const {
        return [this](std::string_view name) {
            auto it = members_.find(ascii_lower(name));
            return it == members_.end() ? Bytes() : it->second;
        };
    }
    SkinModel Read(std::string_view definition) const {
        return ReadSkinDefinition(definition, Lookup());
    }

private:
    std::map<std::string, Bytes> members_;
};

TEST(SkinBitmapFetch, TakesTheFileNamePartAndOnlyALowerCaseBmpExtension) {
    SkinFiles files;
    files.Strip("frame.bmp", 3, 2).Raw("empty.bmp", {}).Raw("broken.bmp", {'B', 'M', 1, 2});
    const SkinMemberLookup lookup = files.Lookup();
    EXPECT_EQ(SkinImages(lookup).Fetch("frame.bmp").size(), (Size{3, 2}));
    EXPECT_EQ(SkinImages(lookup).Fetch("skins\\frame.bmp").size(), (Size{3, 2}));
    EXPECT_EQ(SkinImages(lookup).Fetch("C:\\skins/frame.bmp").size(), (Size{3, 2}));
    EXPECT_EQ(SkinImages(lookup).Fetch("FRAME.bmp").size(), (Size{3, 2}));
    EXPECT_TRUE(SkinImages(lookup).Fetch("frame.BMP").empty());
    EXPECT_TRUE(SkinImages(lookup).Fetch("frame").empty());
    EXPECT_TRUE(SkinImages(lookup).Fetch("skins\\").empty());
    EXPECT_TRUE(SkinImages(lookup).Fetch("").empty());
    EXPECT_TRUE(SkinImages(lookup).Fetch("other.bmp").empty());
    EXPECT_TRUE(SkinImages(lookup).Fetch("empty.bmp").empty());
    EXPECT_TRUE(SkinImages(lookup).Fetch("broken.bmp").empty());
}

TEST(SkinModel, FrameBordersReadPersonalityKeysWithTheirDefaults) {
    SkinFiles files;
    files.Strip("left.bmp", 8, 30).Strip("top.bmp", 40, 52);
    SkinModel skin = files.Read(
        "[Personality]\n"
        "Left=left.bmp\nLeftTopHeight=5\nLeftBotHeight=6\nLeftFrame=2\nLeftStretch=0\nLeftTrans=0\n"
        "Top=top.bmp\nTopTopHeight=7\nTopBotHeight=9\n");
    const TDataSkinBorder& left = skin.BorderLeft;
    EXPECT_EQ(left.Name, "Left");
    EXPECT_EQ(left.Bitmap.size(), (Size{8, 30}));
    EXPECT_EQ((std::array{left.LeftWidth, left.TopHeight, left.RightWidth, left.BottomHeight}),
              (std::array{0, 5, 0, 6}));
    EXPECT_EQ((std::array{left.Frame, left.Tile, left.Trans}), (std::array{2, 0, 0}));

    const TDataSkinBorder& top = skin.BorderTop;
    EXPECT_EQ((std::array{top.LeftWidth, top.TopHeight, top.RightWidth, top.BottomHeight}),
              (std::array{7, 0, 9, 0}));
    EXPECT_EQ((std::array{top.Frame, top.Tile, top.Trans}), (std::array{1, 1, 1}));

    EXPECT_EQ(skin.BorderRight.Name, "Right");
    EXPECT_TRUE(skin.BorderRight.Bitmap.empty());
    EXPECT_EQ(skin.BorderBottom.Name, "Bottom");
    EXPECT_EQ(skin.BorderBottom.NormalColour2, 0u);
}

TEST(SkinModel, CaptionReusesTheMarginsAndAlwaysHasTwoFrames) {
    SkinFiles files;
    files.Strip("caption.bmp", 20, 18);
    SkinModel skin = files.Read(
        "[Personality]\nTextBack=caption.bmp\nTextShift=3\nTextShiftVert=-2\nTextRightClip=40\n"
        "TextAlignment=1\nTXTBackleft=4\nTXTBackRight=5\n");
    const TDataSkinTitle& title = skin.Title;
    EXPECT_EQ(title.Bitmap.size(), (Size{20, 18}));
    EXPECT_EQ((std::array{title.LeftWidth, title.TopHeight, title.RightWidth, title.BottomHeight}),
              (std::array{3, -2, 40, 0}));
    EXPECT_EQ((std::array{title.TextAlignment, title.TXTBackleft, title.TXTBackRight, title.Frame}),
              (std::array{1, 4, 5, 2}));
}

TEST(SkinModel, WithoutButtonSectionsOnlyTheThreeMdiButtonsExist) {
    SkinModel skin = SkinFiles().Read("[Buttons]\n[Button.Radio]\nframe=3\n[button.checkbox]\n");
    ASSERT_EQ(skin.SysButtons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& b = skin.SysButtons[std::size_t(i)];
        EXPECT_EQ(b.Action, 7 + i);
        EXPECT_EQ((std::array{b.Align, b.Visibility, b.Visibility1, b.Frame}),
                  (std::array{100, 100, 100, 4}));
        EXPECT_TRUE(b.Bitmap.empty());
        EXPECT_EQ(b.Xcoord, 0);
    }
}

TEST(SkinModel, TitleBarButtonsKeepFileOrderAndUpperCaseNames) {
    SkinFiles files;
    files.Strip("close.bmp", 60, 20);
    SkinModel skin = files.Read(
        "[ButtonClose]\nAction=0\nAlign=1\nXcoord=20\nYcoord=4\nVisibility=2\nVisibility1=3\n"
        "frame=2\nButtonImage=close.bmp\n"
        "[Colours]\n[buttonMax]\nAction=1\n[BUTTONS]\n[Button.Radio]\n");
    ASSERT_EQ(skin.SysButtons.size(), 5u);
    const TDataSkinSysButton& close = skin.SysButtons[0];
    EXPECT_EQ(close.Name, "BUTTONCLOSE");
    EXPECT_EQ((std::array{close.Action, close.Align, close.Xcoord, close.Ycoord, close.Visibility,
                          close.Visibility1, close.Frame}),
              (std::array{0, 1, 20, 4, 2, 3, 2}));
    EXPECT_EQ(close.Bitmap.size(), (Size{60, 20}));
    EXPECT_EQ(skin.SysButtons[1].Name, "BUTTONMAX");
    EXPECT_EQ(skin.SysButtons[1].Action, 1);
    EXPECT_EQ(skin.SysButtons[2].Action, 7);
}

TEST(SkinModel, MissingFrameCountIsDerivedFromTheImageRatio) {
    SkinFiles files;
    files.Strip("r30.bmp", 60, 20).Strip("r60.bmp", 120, 20).Strip("r38.bmp", 76, 20)
        .Strip("r385.bmp", 77, 20);
    SkinModel skin = files.Read(
        "[Button1]\nButtonImage=r30.bmp\n"
        "[Button2]\nButtonImage=r60.bmp\n"
        "[Button3]\nButtonImage=r38.bmp\nframe=0\n"
        "[Button4]\nButtonImage=r385.bmp\n"
        "[Button5]\nButtonImage=r30.bmp\nAction=-1\n"
        "[Button6]\nButtonImage=missing.bmp\n"
        "[Button7]\nButtonImage=r30.bmp\nframe=-2\n");
    std::vector<std::int32_t> frames;
    for (std::size_t i = 0; i < 7; ++i) frames.push_back(skin.SysButtons[i].Frame);
    EXPECT_EQ(frames, (std::vector<std::int32_t>{3, 6, 3, 6, 6, 6, -2}));
}

TEST(SkinModel, ActionsThreeAndElevenLoseTheirImageOnlyWithoutAFrameKey) {
    SkinFiles files;
    files.Strip("b.bmp", 60, 20);
    SkinModel skin = files.Read(
        "[Button1]\nAction=3\nButtonImage=b.bmp\n"
        "[Button2]\nAction=3\nframe=3\nButtonImage=b.bmp\n"
        "[Button3]\nAction=11\nButtonImage=b.bmp\n");
    EXPECT_TRUE(skin.SysButtons[0].Bitmap.empty());
    EXPECT_EQ(skin.SysButtons[0].Frame, 3);
    EXPECT_EQ(skin.SysButtons[1].Bitmap.size(), (Size{60, 20}));
    EXPECT_TRUE(skin.SysButtons[2].Bitmap.empty());
}

TEST(SkinModel, MdiButtonsAreCutFromTwelveCellsOfMdiControls) {
    SkinFiles files;
    files.Strip("mdi.bmp", 150, 14);
    SkinModel skin = files.Read("[MDICONTROLS]\nImage=skins\\mdi.bmp\n");
    ASSERT_EQ(skin.SysButtons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& b = skin.SysButtons[std::size_t(i)];
        EXPECT_EQ(b.Bitmap.size(), (Size{48, 14}));
        EXPECT_EQ(b.Xcoord, 48 - 16 * i);
        // Column 0 of button i is column 48 i of the strip.
        EXPECT_EQ(b.Bitmap.at(0, 0), pixel_rgb(std::uint8_t(48 * i), 0, 0));
        EXPECT_EQ(b.Bitmap.at(47, 13), pixel_rgb(std::uint8_t(48 * i + 47), 0, 0));
    }
}

TEST(SkinModel, ButtonsDeriveGlyphFramesFromTheStripHeight) {
    SkinFiles files;
    files.Strip("push.bmp", 50, 21).Strip("radio.bmp", 104, 13).Strip("check.bmp", 48, 20);
    SkinModel skin = files.Read(
        "[Colours]\nButtonText=1 2 3\n"
        "[Buttons]\nBitmap=push.bmp\nRadioButton=radio.bmp\nCheckButton=check.bmp\n"
        "LeftWidth=3\nRightWidth=4\nTopHeight=5\nBottomHeight=6\nTrans=1\nTile=1\n"
        "NormalColour=255\nNormalColour2=10,20\n");
    const TDataSkinButton& b = skin.Buttons;
    EXPECT_EQ(b.Name, "Buttons");
    EXPECT_EQ(b.Bitmap.size(), (Size{50, 21}));
    EXPECT_EQ(b.Frame, 5);
    EXPECT_EQ(b.RadioButtonFrame, 8);
    EXPECT_EQ(b.CheckButtonFrame, 4);  // 48 div 16 = 3, raised to 4
    EXPECT_EQ((std::array{b.LeftWidth, b.RightWidth, b.TopHeight, b.BottomHeight, b.Trans, b.Tile}),
              (std::array{3, 4, 5, 6, 1, 1}));
    EXPECT_EQ((std::array{b.NormalColour, b.MouseOverColour, b.PressedColour}),
              (std::array{255, -1, -1}));
    EXPECT_EQ(b.NormalColour2, rgb(10, 0, 0));
    EXPECT_EQ(b.MouseOverColour2, rgb(1, 2, 3));

    SkinModel given = files.Read("[Buttons]\nRadioButton=radio.bmp\nRadioButtonFrame=2\n");
    EXPECT_EQ(given.Buttons.RadioButtonFrame, 2);
    EXPECT_EQ(given.Buttons.CheckButtonFrame, 4);
    EXPECT_EQ(given.Buttons.NormalColour2, clBtnText);
}

TEST(SkinModel, PlainElementsExistOnlyWithAnImageKeyAndTakeFixedFrameCounts) {
    SkinFiles files;
    files.Strip("e.bmp", 30, 10);
    SkinModel skin = files.Read(
        "[Scrollbar]\nImage=e.bmp\nStyle=2\nLeftWidth=1\nTopHeight=2\nRightWidth=3\n"
        "BottomHeight=4\nTrans=1\nTile=1\nPressedColour=0x10\nPressedColour2=7 8 9\n"
        "[MenuItem]\nImage=notthere.bmp\n"
        "[SunkEdge]\nStyle=1\n"
        "[HorzScrollThumb]\nImage=e.bmp\nFrameCount=4\n"
        "[VertScrollThumb]\nImage=e.bmp\n");
    ASSERT_TRUE(skin.Scrollbar);
    const TDataSkinObject& bar = *skin.Scrollbar;
    EXPECT_EQ(bar.Name, "Scrollbar");
    EXPECT_EQ(bar.Bitmap.size(), (Size{30, 10}));
    EXPECT_EQ((std::array{bar.Frame, bar.Style, bar.LeftWidth, bar.TopHeight, bar.RightWidth,
                          bar.BottomHeight, bar.Trans, bar.Tile}),
              (std::array{23, 2, 1, 2, 3, 4, 1, 1}));
    EXPECT_EQ((std::array{bar.NormalColour, bar.PressedColour}), (std::array{-1, 16}));
    EXPECT_EQ(bar.PressedColour2, rgb(7, 8, 9));
    EXPECT_EQ(bar.NormalColour2, clBtnText);

    ASSERT_TRUE(skin.MenuItem);  // the key decides, not whether the image was found
    EXPECT_TRUE(skin.MenuItem->Bitmap.empty());
    EXPECT_EQ(skin.MenuItem->Frame, 5);
    EXPECT_FALSE(skin.SunkEdge);
    EXPECT_EQ(skin.HorzScrollThumb->Frame, 4);
    EXPECT_EQ(skin.VertScrollThumb->Frame, 3);
    for (const auto* absent : {&skin.GroupBoxEdge, &skin.Toolbars, &skin.StatusBarEdges,
                               &skin.ComboButton, &skin.ExtraImages, &skin.Headerbar,
                               &skin.MenuBackground, &skin.HorzScroll, &skin.VertScroll,
                               &skin.MenuBar})
        EXPECT_FALSE(*absent);
    EXPECT_FALSE(skin.Tabs);
    EXPECT_FALSE(skin.Progress);
    EXPECT_FALSE(skin.UpDownHorz);
}

TEST(SkinModel, FixedFrameCountsOfEveryPlainElement) {
    SkinFiles files;
    files.Strip("e.bmp", 4, 4);
    std::string definition;
    for (const char* section : {"GroupBoxEdge", "Toolbars", "StatusBarEdges", "ComboButton",
                                "SunkEdge", "ExtraImages", "Headerbar", "MenuBackground",
                                "HorzScroll", "VertScroll"})
        definition += std::string("[") + section + "]\nImage=e.bmp\n";
    SkinModel skin = files.Read(definition);
    EXPECT_EQ((std::array{skin.GroupBoxEdge->Frame, skin.Toolbars->Frame,
                          skin.StatusBarEdges->Frame, skin.ComboButton->Frame,
                          skin.SunkEdge->Frame, skin.ExtraImages->Frame, skin.Headerbar->Frame,
                          skin.MenuBackground->Frame, skin.HorzScroll->Frame,
                          skin.VertScroll->Frame}),
              (std::array{2, 5, 3, 4, 4, 5, 5, 1, 4, 4}));
}

TEST(SkinModel, TwoImageProgressAndMenuBarElements) {
    SkinFiles files;
    files.Strip("tab.bmp", 50, 20).Strip("border.bmp", 9, 9).Strip("glyph.bmp", 16, 8)
        .Strip("bar.bmp", 30, 12).Strip("chunk.bmp", 6, 12).Strip("menu.bmp", 90, 40);
    SkinModel skin = files.Read(
        "[Tabs]\nImage=tab.bmp\nBorder=border.bmp\nStyle=3\nLeftWidth=2\nNormalColour2=5 5 5\n"
        "[UpDown.Horz]\nImage=tab.bmp\nGlyphImage=glyph.bmp\n"
        "[UpDown.Vert]\nImage=tab.bmp\n"
        "[Progress]\nBitmap=bar.bmp\nChunk=chunk.bmp\nStyle=1\nTopHeight=2\nTile=1\n"
        "NormalColour2=5 5 5\n"
        "[Personality]\nmenuBar=menu.bmp\nTopHeight=9\nTileMenu=1\nTileLeftMenu=7\n");
    ASSERT_TRUE(skin.Tabs);
    EXPECT_EQ(skin.Tabs->Name, "Tabs");
    EXPECT_EQ(skin.Tabs->Bitmap2.size(), (Size{9, 9}));
    EXPECT_EQ((std::array{skin.Tabs->Style, skin.Tabs->LeftWidth, skin.Tabs->Frame}),
              (std::array{0, 2, 5}));
    EXPECT_EQ(skin.Tabs->NormalColour2, rgb(5, 5, 5));

    ASSERT_TRUE(skin.UpDownHorz && skin.UpDownVert);
    EXPECT_EQ(skin.UpDownHorz->Bitmap2.size(), (Size{16, 8}));
    EXPECT_TRUE(skin.UpDownVert->Bitmap2.empty());
    EXPECT_EQ((std::array{skin.UpDownHorz->Frame, skin.UpDownVert->Frame}), (std::array{8, 8}));

    ASSERT_TRUE(skin.Progress);
    const TDataSkinBorder& progress = *skin.Progress;
    EXPECT_EQ(progress.Bitmap.size(), (Size{30, 12}));
    EXPECT_EQ(progress.Bitmap2.size(), (Size{6, 12}));
    EXPECT_EQ((std::array{progress.Style, progress.TopHeight, progress.Tile, progress.Frame}),
              (std::array{1, 2, 1, 2}));
    EXPECT_EQ((std::array{progress.NormalColour, progress.PressedColour}), (std::array{0, 0}));
    EXPECT_EQ(progress.NormalColour2, 0u);

    ASSERT_TRUE(skin.MenuBar);
    const TDataSkinObject& menu = *skin.MenuBar;
    EXPECT_EQ(menu.Name, "Personality");
    EXPECT_EQ(menu.Bitmap.size(), (Size{90, 40}));
    EXPECT_EQ((std::array{menu.Tile, menu.LeftWidth, menu.RightWidth, menu.TopHeight,
                          menu.BottomHeight, menu.Frame}),
              (std::array{1, 7, 1, 0, 0, 2}));
}

TEST(SkinModel, ColourSchemeDefaultsAreSystemColours) {
    SkinModel skin = SkinFiles().Read("");
    const SkinColours& c = skin.Colours;
    EXPECT_EQ((std::array{c.WindowText, c.ButtonFace, c.Scrollbar, c.HilightText, c.Hilight,
                          c.Menubar, c.Menu, c.MenuText, c.ButtonText, c.ButtonHilight,
                          c.Buttonlight, c.ButtonShadow, c.ButtonDkShadow, c.MenuBarText,
                          c.TitleTextActive, c.TitleTextNoActive}),
              (std::array<Color, 16>{0xFF000008, 0xFF00000F, 0xFF000000, 0xFF00000E, 0xFF00000D,
                                     0xFF00000F, 0xFF000004, 0xFF000007, 0xFF000012, 0xFF000014,
                                     0xFF000014, 0xFF000010, 0xFF000010, 0xFF000007, 0xFF000009,
                                     0xFF000013}));
    EXPECT_TRUE(skin.ExtraColours.empty());
    EXPECT_EQ(skin.SkinName, "");
    EXPECT_FALSE(skin.Empty);
    EXPECT_TRUE(SkinModel().Empty);
}

TEST(SkinModel, MenubarDefaultsToTheButtonFaceJustRead) {
    SkinModel skin = SkinFiles().Read(
        "[TitlebarSkin]\nSkinName=Blue Steel\n"
        "[colours]\nButtonFace=0,0,255\nMenuBarText=10, 20, 30\nTitleTextActive=\n");
    EXPECT_EQ(skin.SkinName, "Blue Steel");
    EXPECT_EQ(skin.Colours.ButtonFace, rgb(0, 0, 255));
    EXPECT_EQ(skin.Colours.Menubar, rgb(0, 0, 255));
    EXPECT_EQ(skin.Colours.MenuBarText, rgb(10, 0, 20));
    EXPECT_EQ(skin.Colours.TitleTextActive, clCaptionText);
}

TEST(SkinModel, ExtraColoursComeFromColourSectionsInFileOrder) {
    SkinModel skin = SkinFiles().Read(
        "[Colour1]\ncolor=1 2 3\n[Colours]\nWindowText=9 9 9\n[COLOUR2]\nCOLOR=4,5,6\n"
        "[ColourX]\n[Colour]\ncolor=7 7 7\n");
    EXPECT_EQ(skin.ExtraColours,
              (std::vector<Color>{rgb(1, 2, 3), rgb(4, 5, 6), clWindowText, rgb(7, 7, 7)}));
}

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

TEST(SkinPackage, DefinitionAndImagesComeFromThePackageMembers) {
    Image frame(4, 30, pixel_rgb(255, 0, 255));
    const ArchiveMember members[] = {
        {"FrameLeft.BMP", encode_bmp(frame)},
        {"Blue.INI", Text("[TitlebarSkin]\r\nSkinName=Blue\r\n"
                          "[Personality]\r\nLeft=skins\\FRAMELEFT.bmp\r\nRight=frameleft.BMP\r\n")},
    };
    std::optional<SkinModel> skin = LoadSkinPackage(PackSkin(members));
    ASSERT_TRUE(skin);
    EXPECT_FALSE(skin->Empty);
    EXPECT_EQ(skin->SkinName, "Blue");
    EXPECT_EQ(skin->BorderLeft.Bitmap, frame);
    EXPECT_TRUE(skin->BorderRight.Bitmap.empty());
}

TEST(SkinPackage, WithoutADefinitionMemberEveryKeyTakesItsDefault) {
    const ArchiveMember members[] = {{"readme.txt", Text("[TitlebarSkin]\r\nSkinName=x\r\n")}};
    std::optional<SkinModel> skin = LoadSkinPackage(PackSkin(members));
    ASSERT_TRUE(skin);
    EXPECT_FALSE(skin->Empty);
    EXPECT_EQ(skin->SkinName, "");
    EXPECT_EQ(skin->SysButtons.size(), 3u);
}

TEST(SkinPackage, ARefusedPackageGivesNoModelAndTheReadersMessage) {
    std::string shown;
    SkinNoticeSink previous = SetSkinNoticeSink([&](const std::string& m) { shown = m; });
    const ArchiveMember members[] = {{"skin.ini", Text("[TitlebarSkin]\r\nSkinName=Old\r\n")}};
    Bytes archive = WriteArchive(members);
    archive[0] = 0x21;  // format mark 20001
    EXPECT_FALSE(LoadSkinPackage(CompressLzh(archive)));
    SetSkinNoticeSink(std::move(previous));
    EXPECT_EQ(shown, "This is Older Skin File\rPlease update to new version !");
}

}  // namespace
}  // namespace korvane
