#pragma once
// The plain dialog of track_bar_dialog.rc: one track bar, no framework.
#define KORVANE_TRACK_BAR_DIALOG 300
#define KORVANE_TRACK_BAR 301
