#include "framework/win/registration.h"

#include "framework/core/class_registry.h"
#include "framework/win/buttons.h"
#include "framework/win/check_buttons.h"
#include "framework/win/comctrls.h"
#include "framework/win/dialogs.h"
#include "framework/win/edits.h"
#include "framework/win/extctrls.h"
#include "framework/win/form.h"
#include "framework/win/group_box.h"
#include "framework/win/header_control.h"
#include "framework/win/list_boxes.h"
#include "framework/win/list_view.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/scroll_box.h"
#include "framework/win/speed_button.h"
#include "framework/win/status_bar.h"
#include "framework/win/stdctrls.h"
#include "framework/win/tab_controls.h"
#include "framework/win/timer.h"
#include "framework/win/track_bar.h"
#include "framework/win/up_down.h"

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
        RegisterComponentClass<TCheckBox>();
        RegisterComponentClass<TRadioButton>();
        RegisterComponentClass<TGroupBox>();
        RegisterComponentClass<TRadioGroup>();
        RegisterComponentClass<TSpeedButton>();
        RegisterComponentClass<TStatusBar>();
        RegisterComponentClass<TTrackBar>();
        RegisterComponentClass<TEdit>();
        RegisterComponentClass<TMemo>();
        RegisterComponentClass<TListBox>();
        RegisterComponentClass<TComboBox>();
        RegisterComponentClass<TScrollBar>();
        RegisterComponentClass<TUpDown>();
        RegisterComponentClass<TTabControl>();
        RegisterComponentClass<TPageControl>();
        RegisterComponentClass<TTabSheet>();
        RegisterComponentClass<THeaderControl>();
        RegisterComponentClass<TListView>();
        RegisterComponentClass<TScrollBox>();
        RegisterComponentClass<TOpenDialog>();
        RegisterComponentClass<TSaveDialog>();
        RegisterComponentClass<TTimer>();
        return true;
    }();
    (void)done;
}

}  // namespace korvane
