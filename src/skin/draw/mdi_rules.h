#pragma once
// The rules of MDI windows under the skin: which child counts as the
// maximised one whose buttons the frame's menu bar shows, what those buttons
// do, and how a child's frame follows the maximised-child mark (while a child
// is maximised its own frame lies outside the client window: it is neither
// drawn nor shaped by the skin).

#include "base/geometry.h"

namespace korvane {

// System commands an MDI child button sends (the platform's numbers).
inline constexpr int kScMinimize = 0xF020;
inline constexpr int kScRestore = 0xF120;
inline constexpr int kScClose = 0xF060;

// What is known of an MDI frame's family when its bar is painted or hit.
struct MdiFamily {
    bool is_frame = false;   // the window has an MDI client
    bool has_active_child = false;
    bool active_child_maximised = false;
};

// The frame's bar shows the three buttons of its active child when that child
// is maximised; no other window does.
bool ShowsMaximisedChildButtons(const MdiFamily& family);

// The command a title-bar button with this action sends to the active MDI
// child (actions 7 and 60 minimise, 8 and 61 restore, 9 and 62 close); 0 for
// the other actions.
int MdiChildCommand(int action);

// The window states of an MDI child as the rules see them.
enum class MdiChildState { Normal, Maximised, Minimised };

// How one skinned MDI child's frame follows the manager's mark.
enum class MdiChildFrame {
    // Maximised: no region, caption-button style bits on, the system's frame.
    Unframed,
    // Minimised: caption-button style bits on (the icon keeps its buttons).
    Minimised,
    // Normal: the skinned frame, its region rebuilt, style bits off.
    Skinned,
};

// The frame of a child when the mark becomes `marked`. With the mark set
// every child is unframed; with it cleared a minimised child stays minimised
// and a child that is still maximised (a new child shown maximised while the
// previous one was restored) stays unframed: a region built for a normal
// frame would cut into it.
MdiChildFrame ChildFrameForMark(bool marked, MdiChildState child);

// Where a button of the bar row goes in the bar's own picture, whose
// top-left corner lies at `bar`'s in window coordinates.
Rect BarButtonRect(const Rect& bounds, const Rect& bar);

}  // namespace korvane
