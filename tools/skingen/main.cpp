// skingen: draws the skin in a theme and writes it as a skin package.
//   skingen [--theme NAME] OUT.skn      (themes: indigo, the default; night; silver)

#include <cstdio>
#include <exception>
#include <optional>
#include <string_view>

#include "base/error.h"
#include "base/file_io.h"
#include "skin_package.h"

namespace {

int usage() {
    std::fputs("usage: skingen [--theme indigo|night|silver] OUT.skn\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace korvane::skingen;
    std::optional<ThemeInfo> theme = kThemes[0];
    const char* out = nullptr;
    if (argc == 2) {
        out = argv[1];
    } else if (argc == 4 && std::string_view(argv[1]) == "--theme") {
        theme = FindTheme(argv[2]);
        if (!theme) {
            std::fprintf(stderr, "skingen: unknown theme \"%s\"\n", argv[2]);
            return usage();
        }
        out = argv[3];
    } else {
        return usage();
    }
    try {
        korvane::write_file_replacing(out, skin_package(theme->theme));
    } catch (const korvane::Error& e) {
        std::fprintf(stderr, "skingen: %s\n", e.what());
        return 1;
    }
    return 0;
}
