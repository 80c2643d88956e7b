// The gallery program: the gallery form on its own.

#include <windows.h>

#include "framework/win/application.h"
#include "gallery/gallery_form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace korvane;
    TApplication application;
    application.Initialize();
    application.SetTitle("Korvane gallery");
    application.CreateForm<TGalleryForm>();
    application.Run();
    return 0;
}
