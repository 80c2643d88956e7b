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

namespace {

// Reads the whole file into bytes; false, having read no more than limit + 1
// bytes, when it holds more than limit.
bool ReadAtMost(const std::string& path, std::uint64_t limit, std::vector<std::uint8_t>& bytes) {
    InputFile file(path);
    if (file.size_hint() > limit) return false;
    bytes.reserve(std::size_t(file.size_hint()));
    std::vector<char> piece(64 * 1024);
    while (const std::size_t got = file.read(piece)) {
        if (bytes.size() + got > limit) return false;
        bytes.insert(bytes.end(), piece.begin(), piece.begin() + std::ptrdiff_t(got));
    }
    return true;
}

}  // namespace

SkinFile ReadSkinFile(const std::string& path) {
    std::string reason;
    SkinNoticeSink previous = SetSkinNoticeSink([&reason](const std::string& m) {
        if (reason.empty()) reason = m;
    });
    SkinFile file;
    bool wearable = false;
    try {
        if (ReadAtMost(path, kMaxSkinFileBytes, file.bytes))
            wearable = LoadSkinPackage(file.bytes).has_value();
        else
            reason = "larger than " + std::to_string(kMaxSkinFileBytes) + " bytes";
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
