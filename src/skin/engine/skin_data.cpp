#include "skin/engine/skin_data.h"

#include <filesystem>
#include <utility>

#include "base/error.h"
#include "base/win32_text.h"
#include "framework/core/properties.h"
#include "framework/win/application.h"
#include "framework/win/graphics.h"
#include "skin/data/skin_reader_notice.h"
#include "skin/data/skin_store.h"
#include "skin/engine/skin_manager.h"

namespace korvane {
namespace {

TSkinDataListener* g_listener = nullptr;

// The manager hears of every component. While an application runs, the first
// component that needs it makes it; it ends with the application.
TSkinDataListener* listener_on_demand() {
    if (!g_listener && Application) EnsureSkinManager();
    return g_listener;
}

}  // namespace

TSkinDataListener* SetSkinDataListener(TSkinDataListener* listener) {
    return std::exchange(g_listener, listener);
}

TSkinData::TSkinData(TComponent* owner) : TComponent(owner) {}

TSkinData::~TSkinData() {
    Destroying();
    if (g_listener) g_listener->SkinDataDestroying(*this);
}

const PropertyTable& TSkinData::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TSkinData>(TComponent::Properties())
            .boolean("Active", &TSkinData::Active, &TSkinData::SetActive, false)
            .integer("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag, kDefaultDisableTag)
            .set("SkinControls", kSkinControlTypeNames, &TSkinData::SkinControls,
                 &TSkinData::SetSkinControls, kDefaultSkinControls)
            .string("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
            .string("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore)
            .enumeration("SkinFormtype", kSkinFormTypeNames, &TSkinData::SkinFormtype,
                         &TSkinData::SetSkinFormtype, sfMainform)
            .binary("SkinStream", &TSkinData::WriteSkinStream, &TSkinData::ReadSkinStream)
            .build();
    return table;
}

void TSkinData::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (ComponentState().contains(csLoading)) return;
    if (TSkinDataListener* manager = listener_on_demand()) manager->SkinDataActiveChanged(*this);
}

void TSkinData::SetSkinFile(const std::string& path) {
    skin_.Empty = true;
    skin_file_ = path;
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(std::filesystem::path(widen(path)), error))
        return;
    TMemoryStream file;
    file.LoadFromFile(path);
    if (LoadFromPackage(file.Memory())) AnnounceChange();
}

void TSkinData::LoadFromSkinStore(const TSkinStore& store, int index) {
    if (index < 0 || index >= store.Store().Count()) return;
    skin_.Empty = true;
    if (LoadFromPackage(store.Store().Items(index).Data().Memory())) AnnounceChange();
}

bool TSkinData::LoadFromPackage(std::span<const std::uint8_t> package) {
    package_.Clear();
    package_.WriteBuffer(package);
    package_.SetPosition(0);
    return LoadPackage();
}

bool TSkinData::LoadPackage() {
    skin_.Empty = true;
    std::optional<SkinModel> model;
    try {
        model = LoadSkinPackage(package_.Memory());
    } catch (const Error& e) {
        // A package that does not expand: said like a refused one, the records stay.
        ShowSkinNotice(e.what());
        return false;
    }
    if (!model) return false;
    skin_ = std::move(*model);
    ++generation_;
    face_brush_.reset(CreateSolidBrush(ColorToRGB(skin_.Colours.ButtonFace)));
    skin_.Empty = false;
    return true;
}

void TSkinData::AnnounceChange() {
    if (TSkinDataListener* manager = listener_on_demand()) manager->SkinDataChanged(*this);
}

bool TSkinData::IsFormSkinned(const std::string& class_name) {
    if (OnFormSkin) {
        bool do_skin = true;
        OnFormSkin(this, class_name, do_skin);
        return do_skin;
    }
    return IsFormClassSkinned(class_name, skin_controls_);
}

void TSkinData::FireSkinChanged() {
    if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::Loaded() {
    TComponent::Loaded();
    if (skin_.Empty) active_ = false;
    if (TSkinDataListener* manager = listener_on_demand()) manager->SkinDataLoaded(*this);
}

std::vector<std::uint8_t> TSkinData::WriteSkinStream() const {
    return korvane::WriteSkinStream(package_.Memory());
}

void TSkinData::ReadSkinStream(std::span<const std::uint8_t> stream) {
    std::span<const std::uint8_t> package;
    try {
        package = korvane::ReadSkinStream(stream);
    } catch (const Error& e) {
        ShowSkinNotice(e.what());
        return;
    }
    if (!package.empty()) LoadFromPackage(package);
}

}  // namespace korvane
