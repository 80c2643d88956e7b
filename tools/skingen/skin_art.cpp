#include "skin_art.h"

#include "control_art.h"
#include "frame_art.h"
#include "menu_art.h"
#include "scroll_art.h"

namespace korvane::skingen {

std::vector<SkinBitmap> draw_skin_bitmaps() {
    // The member names are the ones the application's skin has always
    // carried. Four of them hold art their names do not suggest (the
    // progress chunk and the up-down faces and glyphs), because the package
    // keeps exactly this set of names.
    struct Entry {
        const char* name;
        Image (*draw)();
    };
    static constexpr Entry kMembers[] = {
        {"FrameTop.bmp", draw_frame_top},
        {"FrameBottom.bmp", draw_frame_bottom},
        {"FrameLeft.bmp", draw_frame_left},
        {"FrameRight.bmp", draw_frame_right},
        {"menu.bmp", draw_menu_bar},
        {"dialog.bmp", draw_progress_chunk},
        {"buttons.bmp", draw_push_buttons},
        {"checkbox.bmp", draw_check_glyphs},
        {"radio.bmp", draw_radio_glyphs},
        {"progress.bmp", draw_progress},
        {"groupboxedge.bmp", draw_group_box_edge},
        {"tabborder.bmp", draw_tab_border},
        {"buttons-tabs.bmp", draw_tabs},
        {"status.bmp", draw_status_edges},
        {"combo.bmp", draw_combo_button},
        {"sunkedge.bmp", draw_sunk_edge},
        {"combo-arrows.bmp", draw_combo_arrows},
        {"header.bmp", draw_header},
        {"menutool.bmp", draw_spin_glyphs_vert},
        {"menuborder.bmp", draw_menu_background},
        {"arrows.bmp", draw_scroll_arrows},
        {"hscroll_back.bmp", draw_horz_track},
        {"vscroll_back.bmp", draw_vert_track},
        {"hscroll_bar.bmp", draw_horz_thumb},
        {"vscroll_bar.bmp", draw_vert_thumb},
        {"button-mdi.bmp", draw_mdi_buttons},
        {"groupboxlabel.bmp", draw_spin_glyphs_horz},
        {"toolbarbg.bmp", draw_spin_faces},
        {"buttons-toolbar.bmp", draw_toolbar_buttons},
        {"buttons-menu.bmp", draw_menu_items},
        {"CloseButton.bmp", draw_close_button},
        {"MaxButton.bmp", draw_max_button},
        {"MinButton.bmp", draw_min_button},
        {"RestroreButton.bmp", draw_restore_button},
    };
    std::vector<SkinBitmap> bitmaps;
    for (const Entry& e : kMembers) bitmaps.push_back({e.name, e.draw()});
    return bitmaps;
}

}  // namespace korvane::skingen
