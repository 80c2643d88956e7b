#include "app/start_options.h"

#include <optional>

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

}  // namespace korvane
