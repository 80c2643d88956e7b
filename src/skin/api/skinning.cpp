#include "skin/api/skinning.h"

#include <memory>
#include <optional>
#include <span>

#include "base/error.h"
#include "base/file_io.h"
#include "base/win32_text.h"
#include "framework/win/application.h"
#include "framework/win/error_text.h"
#include "framework/win/resources.h"
#include "skin/controls/control_skins.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_reader_notice.h"
#include "skin/data/skin_store.h"
#include "skin/engine/skin_data.h"
#include "skin/engine/skin_manager.h"

namespace korvane {
namespace {

// What EnableSkinning set up; DisableSkinning (or the program's end) takes it down.
struct Session {
    std::unique_ptr<TApplication> application;  // only when the program has none
    bool own_manager = false;
    std::unique_ptr<TSkinData> data;

    ~Session() {
        if (SkinManager) SkinManager->UnskinAll();
        if (own_manager) delete SkinManager;
        data.reset();
        application.reset();
    }
};

std::unique_ptr<Session>& session() {
    static std::unique_ptr<Session> current;
    return current;
}

// Why the package cannot be put on; nullopt when it can. The reader tells
// its reasons as notices, which are caught here instead of being shown.
std::optional<std::string> RefusalOf(std::span<const std::uint8_t> package) {
    std::string notice;
    SkinNoticeSink previous = SetSkinNoticeSink([&](const std::string& text) {
        if (notice.empty()) notice = text;
    });
    std::optional<std::string> refusal;
    try {
        if (!LoadSkinPackage(package)) refusal = notice.empty() ? "it is not a skin package" : notice;
    } catch (const std::exception& e) {
        refusal = e.what();
    }
    SetSkinNoticeSink(std::move(previous));
    return refusal;
}

// "The skin SOURCE was not put on: REASON", ending with a full stop.
SkinningStatus Failure(const std::string& source, const std::string& reason) {
    return {widen(error_box_text("The skin " + source + " was not put on: " + reason))};
}

SkinningStatus PutOn(std::span<const std::uint8_t> package, const std::string& source) {
    if (std::optional<std::string> refusal = RefusalOf(package)) return Failure(source, *refusal);
    std::unique_ptr<Session>& current = session();
    if (!current) {
        current = std::make_unique<Session>();
        if (!Application) current->application = std::make_unique<TApplication>();
        InstallControlSkinning();
        current->own_manager = SkinManager == nullptr;
        EnsureSkinManager();
        current->data = std::make_unique<TSkinData>(nullptr);
    }
    TSkinStore store(nullptr);
    store.Store().Add().Data().WriteBuffer(package);
    current->data->LoadFromSkinStore(store, 0);
    current->data->SetActive(true);
    // Windows shown before now wear the skin at once, not at their next activation.
    SkinManager->SkinAll();
    return {};
}

}  // namespace

SkinningStatus EnableSkinning(std::wstring_view skin_file) {
    const std::string path = narrow(skin_file);
    std::string bytes;
    try {
        bytes = read_file(path);
    } catch (const std::exception& e) {
        return Failure("\"" + path + "\"", e.what());
    }
    return PutOn({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, "\"" + path + "\"");
}

SkinningStatus EnableSkinningFromResource(const wchar_t* name, const wchar_t* type) {
    const std::string label = IS_INTRESOURCE(name) ? "resource #" + std::to_string(std::uintptr_t(name))
                                                   : "resource \"" + narrow(name) + "\"";
    const std::optional<std::span<const std::uint8_t>> bytes = FindResourceBytes(name, type);
    if (!bytes) return Failure(label, "the program has no such resource");
    return PutOn(*bytes, label);
}

void DisableSkinning() { session().reset(); }

bool SkinningEnabled() { return session() != nullptr; }

}  // namespace korvane
