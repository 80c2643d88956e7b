// skinpreview: pictures of a skin package for people to look at.
//   skinpreview PACKAGE OUTDIR
// writes OUTDIR/skin-contact-sheet.png (every element and frame) and
// OUTDIR/skin-mock-window.png (windows composed with the drawing utilities).

#include <cstdio>
#include <string>

#include "base/error.h"
#include "base/file_io.h"
#include "contact_sheet.h"
#include "mock_window.h"
#include "png_writer.h"
#include "skin/data/skin_model.h"

namespace {

using namespace korvane;

int run(const std::string& package_path, const std::string& out_dir) {
    const std::string bytes = read_file(package_path);
    const auto skin = LoadSkinPackage(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    if (!skin) throw Error(package_path + " is not a skin package");
    write_file_replacing(out_dir + "/skin-contact-sheet.png",
                         skinpreview::encode_png(skinpreview::render_contact_sheet(*skin)));
    write_file_replacing(out_dir + "/skin-mock-window.png",
                         skinpreview::encode_png(skinpreview::render_mock_window(*skin)));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: skinpreview PACKAGE OUTDIR\n", stderr);
        return 2;
    }
    try {
        return run(argv[1], argv[2]);
    } catch (const korvane::Error& e) {
        std::fprintf(stderr, "skinpreview: %s\n", e.what());
        return 1;
    }
}
