#pragma once
// The gallery's skins: the packages it can wear, kept in a skin store, and the
// skin data component that wears one of them, with a "Skin" menu to choose.
//
// Choosing a package while the program runs loads it into the worn component:
// every skinned window drops its title-bar buttons at once (ReloadAll) and
// re-applies the new skin 250 ms later (ApplySkinChange), dialogs and message
// boxes included. Switching the skin off takes it off every window 250 ms
// later; switching it on puts it back on every form and every window shown,
// dialogs and message boxes included.

#include <functional>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/win/form.h"
#include "framework/win/menus.h"
#include "gallery/gallery_form.h"
#include "skin/data/skin_store.h"
#include "skin/engine/skin_data.h"

namespace korvane {

class TGallerySkins : public TComponent {
public:
    static constexpr std::string_view kClassName = "TGallerySkins";

    // Owned by the form, whose windows (and every other window of the
    // program) the skin data component serves.
    explicit TGallerySkins(TCustomForm& form);
    std::string_view ClassName() const override { return kClassName; }

    // Adds a package the engine can wear (see ReadSkinFile); gives its index.
    // Bytes equal to a listed package's give that package's index.
    int Add(const std::string& name, const std::vector<std::uint8_t>& bytes);
    int Count() const { return int(names_.size()); }
    const std::string& Name(int index) const { return names_.at(std::size_t(index)); }
    int IndexOf(const std::string& name) const;

    // Wears package `index` from now on and switches the skin on.
    void Wear(int index);
    // The package worn, or -1 before the first.
    int Worn() const { return worn_; }
    void SetSkinOn(bool on);
    bool SkinOn() const { return data_->Active(); }

    TSkinData& Data() { return *data_; }

    // A "&Skin" entry before the last entry of the bar (Help): one radio item
    // per package, then "Skin &on" (checked while the skin is on).
    void AddMenu(TMainMenu& bar);

    // Told after each choice, with the name of the package worn ("" when off).
    std::function<void(const std::string& name)> OnChoice;

private:
    void ShowChoice();

    TCustomForm& form_;
    TSkinStore* store_;
    TSkinData* data_;
    std::vector<std::string> names_;
    int worn_ = -1;
    std::vector<TMenuItem*> package_items_;
    TMenuItem* on_item_ = nullptr;
};

// The skin package files of a folder (*.skn, in any case), by name; none when the folder
// cannot be read.
std::vector<std::string> FindSkinFiles(const std::string& folder);

// Gives the form its skins: the wearable packages of folder and the one
// asked for on the command line (skin_file, may be empty), the "Skin" menu in
// the form's bar, the name of the package worn in its caption and the skin's
// text colour on the texts that stand on its face. Wears the
// package asked for, or else "default", or else the first. Each file that
// cannot be worn is said once (a skin notice); so is a folder without a
// package, and the gallery then goes on unskinned.
TGallerySkins& AddGallerySkins(TGalleryForm& form, const std::string& folder, const std::string& skin_file);

// Said when no package can be worn.
std::string NoSkinNotice(const std::string& folder);

}  // namespace korvane
