#include "framework/win/registration.h"

#include "framework/core/class_registry.h"
#include "framework/win/buttons.h"
#include "framework/win/comctrls.h"
#include "framework/win/dialogs.h"
#include "framework/win/dtpicker.h"
#include "framework/win/extctrls.h"
#include "framework/win/form.h"
#include "framework/win/imglist.h"
#include "framework/win/menus.h"
#include "framework/win/stdctrls.h"
#include "framework/win/tabset.h"
#include "framework/win/timer.h"
#include "framework/win/toolbar.h"

namespace korvane {

void RegisterFrameworkClasses() {
    static const bool done = [] {
        RegisterComponentClass<TForm>();
        RegisterComponentClass<TPanel>();
        RegisterComponentClass<TLabel>();
        RegisterComponentClass<TStaticText>();
        RegisterComponentClass<TButton>();
        RegisterComponentClass<TBitBtn>();
        RegisterComponentClass<TProgressBar>();
        RegisterComponentClass<TImage>();
        RegisterComponentClass<TOpenDialog>();
        RegisterComponentClass<TSaveDialog>();
        RegisterComponentClass<TTimer>();
        RegisterComponentClass<TImageList>();
        RegisterComponentClass<TMainMenu>();
        RegisterComponentClass<TPopupMenu>();
        RegisterComponentClass<TMenuItem>();
        RegisterComponentClass<TToolBar>();
        RegisterComponentClass<TToolButton>();
        RegisterComponentClass<TTabSet>();
        RegisterComponentClass<TDateTimePicker>();
        return true;
    }();
    (void)done;
}

}  // namespace korvane
