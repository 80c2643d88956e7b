// Which packages the gallery offers and which one it starts in: the
// packages of its folder and of --skin, each file that cannot be worn said
// once and left out, the default worn when the one asked for cannot be.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/win/control.h"
#include "framework/win/menus.h"
#include "framework/win/window_test_support.h"
#include "gallery/gallery_form.h"
#include "gallery/gallery_skins.h"
#include "skin/data/skin_reader_notice.h"
#include "skin/data/start_options.h"
#include "skin/engine/registration.h"

namespace korvane {
namespace {

const std::string kShippedSkins = KORVANE_TEST_DATA "/../../data/skins";

class GallerySkinList : public testing::FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        RegisterSkinClasses();
        previous_ = SetSkinNoticeSink([this](const std::string& notice) { said_.push_back(notice); });
        folder_ = std::filesystem::temp_directory_path() / "korvane-gallery-skins";
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        SetSkinNoticeSink(std::move(previous_));
        std::filesystem::remove_all(folder_);
        FrameworkTest::TearDown();
    }
    std::string Copy(const std::string& shipped, const std::string& name) {
        const auto target = folder_ / name;
        std::filesystem::copy_file(std::filesystem::path(kShippedSkins) / shipped, target);
        return target.string();
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        const auto target = folder_ / name;
        std::ofstream(target, std::ios::binary) << bytes;
        return target.string();
    }
    static std::vector<std::string> MenuCaptions(TGalleryForm& form) {
        std::vector<std::string> captions;
        TMenuItem& bar = form.Menu()->Items();
        TMenuItem* skin = bar.Items(bar.Count() - 2);
        captions.push_back(skin->Caption());
        for (int i = 0; i < skin->Count(); ++i)
            captions.push_back(skin->Items(i)->Caption() + (skin->Items(i)->Checked() ? " (checked)" : "") +
                               (skin->Items(i)->Enabled() ? "" : " (disabled)"));
        return captions;
    }

    SkinNoticeSink previous_;
    std::vector<std::string> said_;
    std::filesystem::path folder_;
};

TEST_F(GallerySkinList, TheFolderPackagesAreListedByNameAndDefaultIsWornWithoutAskingForOne) {
    auto* gallery = app_->CreateForm<TGalleryForm>();
    TGallerySkins& skins = AddGallerySkins(*gallery, kShippedSkins, "");
    EXPECT_TRUE(said_.empty());
    EXPECT_EQ(skins.Worn(), skins.IndexOf("default"));
    EXPECT_TRUE(skins.SkinOn());
    EXPECT_FALSE(skins.Data().Empty());
    EXPECT_EQ(gallery->Caption(), "Korvane gallery: default");
    EXPECT_EQ(MenuCaptions(*gallery),
              (std::vector<std::string>{"&Skin", "default (checked)", "night", "silver", "-", "Skin &on (checked)"}));
    // Help stays the last entry of the bar.
    EXPECT_EQ(gallery->Menu()->Items().Items(gallery->Menu()->Items().Count() - 1)->Caption(), "&Help");
}

// The gallery's control with this caption.
TControl& Captioned(TGalleryForm& form, const std::string& caption) {
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(form.Components(i)); control && control->Caption() == caption)
            return *control;
    throw std::runtime_error("no control captioned " + caption);
}

TEST_F(GallerySkinList, TextsOnTheFaceTakeTheWornSkinsTextColourTextsOnTheirOwnFieldKeepTheirs) {
    auto* gallery = app_->CreateForm<TGalleryForm>();
    TGallerySkins& skins = AddGallerySkins(*gallery, kShippedSkins, "");
    skins.Wear(skins.IndexOf("night"));
    const Color night_text = skins.Data().Colours().ButtonText;
    ASSERT_EQ(night_text, rgb(235, 235, 235));
    for (const char* caption : {"TLabel, auto-sized", "status", "Text &left", "Text &right", "disabled label"}) {
        SCOPED_TRACE(caption);
        EXPECT_EQ(Captioned(*gallery, caption).Font().GetColor(), night_text);
    }
    EXPECT_EQ(Captioned(*gallery, "right-aligned on white").Font().GetColor(), clWindowText);
    EXPECT_EQ(Captioned(*gallery, "TStaticText, sunken").Font().GetColor(), clWindowText);
    EXPECT_EQ(Captioned(*gallery, "transparent, blue, underlined").Font().GetColor(), rgb(40, 120, 230));
    skins.SetSkinOn(false);
    EXPECT_EQ(Captioned(*gallery, "TLabel, auto-sized").Font().GetColor(), clWindowText);
    skins.Wear(skins.IndexOf("default"));
    EXPECT_EQ(Captioned(*gallery, "Text &left").Font().GetColor(), rgb(0, 0, 0));
}

TEST_F(GallerySkinList, ThePackageAskedForIsWornAndListedOnceAndAFileThatCannotBeWornIsSaidOnce) {
    Copy("default.skn", "default.skn");
    Copy("night.skn", "night.skn");
    Write("notes.txt", "not a package, not listed");
    const std::string damaged = Write("damaged.skn", std::string("\0\0\0\0", 4));
    const std::string outside = (std::filesystem::temp_directory_path() / "korvane-silver.skn").string();
    std::filesystem::copy_file(std::filesystem::path(kShippedSkins) / "silver.skn", outside,
                               std::filesystem::copy_options::overwrite_existing);

    auto* gallery = app_->CreateForm<TGalleryForm>();
    TGallerySkins& skins = AddGallerySkins(*gallery, folder_.string(), outside);
    const std::string damaged_notice = ReadSkinFile(damaged).notice;
    EXPECT_EQ(said_, std::vector<std::string>{damaged_notice});
    ASSERT_EQ(skins.Count(), 3);
    EXPECT_EQ(skins.Name(skins.Worn()), "korvane-silver");
    EXPECT_EQ(gallery->Caption(), "Korvane gallery: korvane-silver");
    std::filesystem::remove(outside);

    // The package asked for is one of the folder's: it is not listed twice.
    auto* second = app_->CreateForm<TGalleryForm>();
    TGallerySkins& again = AddGallerySkins(*second, folder_.string(), (folder_ / "night.skn").string());
    EXPECT_EQ(again.Count(), 2);
    EXPECT_EQ(again.Name(again.Worn()), "night");
}

TEST_F(GallerySkinList, APackageAskedForThatCannotBeWornIsSaidOnceAndTheDefaultIsWorn) {
    Copy("night.skn", "a-night.SKN");
    Copy("default.skn", "default.skn");
    const std::string missing = (folder_ / "missing.skn").string();
    auto* gallery = app_->CreateForm<TGalleryForm>();
    TGallerySkins& skins = AddGallerySkins(*gallery, folder_.string(), missing);
    EXPECT_EQ(said_, std::vector<std::string>{SkinFileNotice(missing, "File not found")});
    EXPECT_EQ(skins.Name(skins.Worn()), "default");
    ASSERT_EQ(skins.Count(), 2);
    EXPECT_EQ(skins.Name(0), "a-night");
}

TEST_F(GallerySkinList, WithoutAWearablePackageTheGallerySaysSoOnceAndGoesOnPlain) {
    auto* gallery = app_->CreateForm<TGalleryForm>();
    TGallerySkins& skins = AddGallerySkins(*gallery, folder_.string(), "");
    EXPECT_EQ(said_, std::vector<std::string>{NoSkinNotice(folder_.string())});
    EXPECT_EQ(skins.Count(), 0);
    EXPECT_EQ(skins.Worn(), -1);
    EXPECT_FALSE(skins.SkinOn());
    EXPECT_EQ(gallery->Caption(), "Korvane gallery");
    EXPECT_EQ(MenuCaptions(*gallery), (std::vector<std::string>{"&Skin", "Skin &on (disabled)"}));
}

}  // namespace
}  // namespace korvane
