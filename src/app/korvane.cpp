// korvane.exe: start-up of the text-to-picture tool.
//   korvane.exe [--skin FILE.skn]

#include <windows.h>

#include <string>

#include "app/hot_label.h"
#include "app/main_form.h"
#include "app/pic_show.h"
#include "framework/core/class_registry.h"
#include "framework/win/application.h"
#include "skin/controls/control_skins.h"
#include "skin/data/skin_reader_notice.h"
#include "skin/data/start_options.h"
#include "skin/engine/registration.h"

int main() {
    using namespace korvane;
    TApplication application;
    try {
        RegisterComponentClass<THotLabel>();
        RegisterSkinClasses();
        InstallControlSkinning();
        application.Initialize();
        application.SetTitle("Korvane");
        // What the skin's loading has to say comes as a warning titled with the application's title.
        SetSkinNoticeSink([&](const std::string& notice) {
            application.MessageBox(notice, application.Title(), MB_OK | MB_ICONWARNING);
        });
        const StartOptions options = ParseStartOptions(CommandLineArguments());
        if (!options.problem.empty()) ShowSkinNotice(options.problem);
        TMainForm::StartSkinFile = options.skin_file;
        application.CreateForm<TMainForm>();
        Form1 = application.CreateForm<TForm1>();
        application.Run();
    } catch (...) {
        application.HandleException();
        return 1;
    }
    return 0;
}
