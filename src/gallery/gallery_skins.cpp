#include "gallery/gallery_skins.h"

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <system_error>

#include "base/win32_text.h"
#include "skin/data/skin_reader_notice.h"
#include "skin/data/start_options.h"

namespace korvane {

TGallerySkins::TGallerySkins(TCustomForm& form)
    : TComponent(&form), form_(form), store_(new TSkinStore(this)), data_(new TSkinData(&form)) {}

int TGallerySkins::Add(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    for (int i = 0; i < Count(); ++i) {
        const auto stored = store_->Store().Items(i).Data().Memory();
        if (std::equal(stored.begin(), stored.end(), bytes.begin(), bytes.end())) return i;
    }
    store_->Store().Add().Data().WriteBuffer(bytes);
    names_.push_back(name);
    return Count() - 1;
}

int TGallerySkins::IndexOf(const std::string& name) const {
    auto at = std::find(names_.begin(), names_.end(), name);
    return at == names_.end() ? -1 : int(at - names_.begin());
}

void TGallerySkins::Wear(int index) {
    if (index < 0 || index >= Count()) return;
    worn_ = index;
    // Every package here was read by the engine once already, so it loads.
    data_->LoadFromSkinStore(*store_, index);
    data_->SetActive(true);
    ShowChoice();
}

void TGallerySkins::SetSkinOn(bool on) {
    data_->SetActive(on);
    ShowChoice();
}

void TGallerySkins::ShowChoice() {
    // The radio items of one group: checking one clears the others.
    if (worn_ >= 0 && worn_ < int(package_items_.size())) package_items_[std::size_t(worn_)]->SetChecked(true);
    if (on_item_) on_item_->SetChecked(SkinOn());
    if (OnChoice) OnChoice(SkinOn() && worn_ >= 0 ? Name(worn_) : std::string());
}

void TGallerySkins::AddMenu(TMainMenu& bar) {
    auto* entry = new TMenuItem(&form_);
    entry->SetCaption("&Skin");
    bar.Items().Insert(std::max(0, bar.Items().Count() - 1), entry);
    auto add = [&](const std::string& caption, std::function<void()> action) {
        auto* item = new TMenuItem(&form_);
        item->SetCaption(caption);
        if (action) item->OnClick = [action](TObject*) { action(); };
        entry->Add(item);
        return item;
    };
    for (int i = 0; i < Count(); ++i) {
        TMenuItem* item = add(Name(i), [this, i] { Wear(i); });
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
        package_items_.push_back(item);
    }
    if (Count() > 0) add("-", nullptr);
    on_item_ = add("Skin &on", [this] { SetSkinOn(!SkinOn()); });
    on_item_->SetEnabled(Count() > 0);
    ShowChoice();
}

std::vector<std::string> FindSkinFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(widen(folder), error)) {
        std::error_code kind;
        const auto& path = entry.path();
        std::wstring extension = path.extension().wstring();
        std::transform(extension.begin(), extension.end(), extension.begin(), std::towlower);
        if (entry.is_regular_file(kind) && extension == L".skn") files.push_back(narrow(path.wstring()));
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string NoSkinNotice(const std::string& folder) {
    return "No skin package can be worn from \"" + folder + "\": the gallery goes on without a skin";
}

TGallerySkins& AddGallerySkins(TGalleryForm& form, const std::string& folder, const std::string& skin_file) {
    auto& skins = *new TGallerySkins(form);
    const std::string caption = form.Caption();
    skins.OnChoice = [&form, &skins, caption](const std::string& name) {
        form.SetCaption(name.empty() ? caption : caption + ": " + name);
        form.SetFaceTextColour(name.empty() ? clWindowText : skins.Data().Colours().ButtonText);
    };
    auto add_file = [&skins](const std::string& path) {
        const SkinFile file = ReadSkinFile(path);
        if (!file.Wearable()) {
            ShowSkinNotice(file.notice);
            return -1;
        }
        return skins.Add(narrow(std::filesystem::path(widen(path)).stem().wstring()), file.bytes);
    };
    for (const std::string& path : FindSkinFiles(folder)) add_file(path);
    const int asked = skin_file.empty() ? -1 : add_file(skin_file);
    if (skins.Count() == 0) ShowSkinNotice(NoSkinNotice(folder));
    else skins.Wear(asked >= 0 ? asked : std::max(0, skins.IndexOf("default")));
    if (form.Menu()) skins.AddMenu(*form.Menu());
    return skins;
}

}  // namespace korvane
