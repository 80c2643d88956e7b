// The gallery program: the gallery form in a skin, with the packages found
// in the "skins" folder next to the program to choose from at run time.
//   gallery.exe [--skin FILE.skn]

#include <windows.h>

#include "framework/win/application.h"
#include "gallery/gallery_form.h"
#include "gallery/gallery_skins.h"
#include "skin/controls/control_skins.h"
#include "skin/data/skin_reader_notice.h"
#include "skin/data/start_options.h"
#include "skin/engine/registration.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace korvane;
    TApplication application;
    try {
        RegisterSkinClasses();
        InstallControlSkinning();
        application.Initialize();
        application.SetTitle("Korvane gallery");
        SetSkinNoticeSink([&](const std::string& notice) {
            application.MessageBox(notice, application.Title(), MB_OK | MB_ICONWARNING);
        });
        const StartOptions options = ParseStartOptions(CommandLineArguments());
        if (!options.problem.empty()) ShowSkinNotice(options.problem);
        auto* gallery = application.CreateForm<TGalleryForm>();
        AddGallerySkins(*gallery, ProgramFolder() + "\\skins", options.skin_file);
        application.Run();
    } catch (...) {
        application.HandleException();
        return 1;
    }
    return 0;
}
