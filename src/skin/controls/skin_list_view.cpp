#include "skin/controls/skin_list_view.h"

#include <commctrl.h>

#include "skin/controls/control_skins.h"
#include "skin/controls/skin_header.h"

namespace korvane {

void TSkinListView::AttachControl(TWinControl& control, TSkinData& data, bool recolour, TCanvas& canvas) {
    AttachScrollBars(control, data, recolour, canvas);
    if (HWND header = reinterpret_cast<HWND>(SendMessageW(Handle, LVM_GETHEADER, 0, 0)); header && Skins()) {
        Header = new TSkinHeader(Skins());
        Header->AttachWindow(header, data, canvas);
    }
}

}  // namespace korvane
