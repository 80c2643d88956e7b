#include "skin/draw/mdi_rules.h"

namespace korvane {

bool ShowsMaximisedChildButtons(const MdiFamily& family) {
    return family.is_frame && family.has_active_child && family.active_child_maximised;
}

int MdiChildCommand(int action) {
    switch (action) {
        case 7:
        case 60: return kScMinimize;
        case 8:
        case 61: return kScRestore;
        case 9:
        case 62: return kScClose;
        default: return 0;
    }
}

MdiChildFrame ChildFrameForMark(bool marked, MdiChildState child) {
    if (child == MdiChildState::Minimised && !marked) return MdiChildFrame::Minimised;
    if (marked || child == MdiChildState::Maximised) return MdiChildFrame::Unframed;
    return MdiChildFrame::Skinned;
}

Rect BarButtonRect(const Rect& bounds, const Rect& bar) { return bounds.translated(-bar.left, -bar.top); }

}  // namespace korvane
