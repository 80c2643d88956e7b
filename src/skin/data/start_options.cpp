#include "skin/data/start_options.h"

#include <exception>
#include <optional>

#include "base/file_io.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_reader_notice.h"

namespace korvane {

StartOptions ParseStartOptions(std::span<const std::string> args) {
    constexpr std::string_view kSkin = "--skin";
    StartOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::optional<std::string> value;
        if (args[i] == kSkin)
            value = i + 1 < args.size() ? args[++i] : std::string();
        else if (args[i].starts_with(kSkin) && args[i][kSkin.size()] == '=')
            value = args[i].substr(kSkin.size() + 1);
        if (!value) continue;
        // The last --skin counts.
        options.skin_file = *value;
        options.problem = value->empty() ? "--skin needs a skin package: --skin FILE.skn" : "";
    }
    return options;
}

std::string SkinFileNotice(const std::string& path, const std::string& reason) {
    return "The skin \"" + path + "\" cannot be used (" + reason + "): the tool keeps its own skin";
}

SkinFile ReadSkinFile(const std::string& path) {
    std::string reason;
    SkinNoticeSink previous = SetSkinNoticeSink([&reason](const std::string& m) {
        if (reason.empty()) reason = m;
    });
    SkinFile file;
    bool wearable = false;
    try {
        const std::string bytes = read_file(path);
        file.bytes.assign(bytes.begin(), bytes.end());
        wearable = LoadSkinPackage(file.bytes).has_value();
    } catch (const std::exception& e) {
        reason = e.what();
    }
    SetSkinNoticeSink(std::move(previous));
    if (!wearable) {
        file.bytes.clear();
        file.notice = SkinFileNotice(path, reason.empty() ? "not a skin package" : reason);
    }
    return file;
}

}  // namespace korvane
