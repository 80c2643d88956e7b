// Pictures of the gallery program for the documentation: the gallery as
// gallery.exe shows it, in each package of its skin list, each chosen while
// the program runs, and its Skin menu open.
//
// Usage: gallery_screenshots OUTPUT_DIR SKIN_FILE   (the packages of
// SKIN_FILE's folder are listed, SKIN_FILE is worn first; writes
// gallery-<package>.bmp and gallery-skin-menu.bmp; see scripts/screenshots.sh gallery)

#include <windows.h>

#include <filesystem>
#include <string>

#include "base/win32_text.h"
#include "framework/win/application.h"
#include "gallery/gallery_form.h"
#include "gallery/gallery_skins.h"
#include "skin/controls/control_skins.h"
#include "skin/engine/menu_bar.h"
#include "skin/engine/registration.h"
#include "skin/engine/skin_manager.h"
#include "support/screenshots.h"

namespace korvane {
namespace {

using screenshots::Save;
using screenshots::Settle;

// What shows of the desk around the window.
constexpr int kMargin = 12;

int Run(const std::string& out, const std::string& skin_file) {
    HWND desk = screenshots::Desk();
    auto* gallery = Application->CreateForm<TGalleryForm>();
    const std::string folder = narrow(std::filesystem::path(widen(skin_file)).parent_path().wstring());
    TGallerySkins& skins = AddGallerySkins(*gallery, folder, skin_file);
    if (skins.Worn() < 0) return 2;
    gallery->Show();
    SetForegroundWindow(gallery->Handle());
    const int first = skins.Worn();
    for (int i = 0; i < skins.Count(); ++i) {
        const int package = (first + i) % skins.Count();
        if (package != first) skins.Wear(package);
        Settle();  // the change is applied 250 ms later
        Settle();
        Save(gallery->Handle(), out + "/gallery-" + skins.Name(package) + ".bmp", kMargin);
    }

    // The chooser: the Skin entry of the skinned bar pressed, in the night skin.
    if (skins.IndexOf("night") >= 0) skins.Wear(skins.IndexOf("night"));
    Settle();
    Settle();
    const TWinSkinForm* skinned = SkinManager->SkinFormOf(gallery->Handle());
    if (!skinned || !skinned->MenuBar) return 3;
    RECT w{};
    GetWindowRect(gallery->Handle(), &w);
    const int skin_entry = gallery->Menu()->Items().Count() - 2;
    const Rect& entry = skinned->MenuBar->Items[std::size_t(skin_entry)]->BoundsRect;
    screenshots::RunSteps(
        {[] {}, [&] { Save(gallery->Handle(), out + "/gallery-skin-menu.bmp", kMargin); }, [] { EndMenu(); }}, [&] {
            PostMessageW(gallery->Handle(), WM_NCLBUTTONDOWN, HTCAPTION,
                         MAKELPARAM(w.left + entry.left + 4, w.top + entry.top + 4));
        });
    DestroyWindow(desk);
    return 0;
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    korvane::RegisterSkinClasses();
    korvane::InstallControlSkinning();
    korvane::TApplication application;
    application.Initialize();
    application.SetTitle("Korvane gallery pictures");
    return korvane::Run(argv[1], argv[2]);
}
