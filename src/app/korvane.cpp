// korvane.exe: start-up of the text-to-picture tool.

#include "app/hot_label.h"
#include "app/main_form.h"
#include "app/pic_show.h"
#include "framework/core/class_registry.h"
#include "framework/win/application.h"

int main() {
    using namespace korvane;
    TApplication application;
    try {
        RegisterComponentClass<THotLabel>();
        application.Initialize();
        application.SetTitle("Korvane");
        application.CreateForm<TMainForm>();
        Form1 = application.CreateForm<TForm1>();
        application.Run();
    } catch (...) {
        application.HandleException();
        return 1;
    }
    return 0;
}
