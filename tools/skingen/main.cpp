// skingen: draws the default skin and writes it as a skin package.
//   skingen OUT.skn

#include <cstdio>
#include <exception>

#include "base/error.h"
#include "base/file_io.h"
#include "default_skin.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: skingen OUT.skn\n", stderr);
        return 2;
    }
    try {
        korvane::write_file_replacing(argv[1], korvane::skingen::default_skin_package());
    } catch (const korvane::Error& e) {
        std::fprintf(stderr, "skingen: %s\n", e.what());
        return 1;
    }
    return 0;
}
