#include "skin/draw/control_rules.h"

#include <algorithm>

namespace korvane {

ControlStateIndex control_state_index(bool enabled, bool pressed, bool hot_or_focused) {
    if (!enabled) return csDisabled;
    if (pressed) return csPressed;
    return hot_or_focused ? csHot : csNormal;
}

ControlStateIndex speed_button_state_index(bool enabled, bool pressed, bool hot, bool down) {
    if (down) return csPressed;
    return control_state_index(enabled, pressed, hot);
}

int speed_button_glyph_index(ControlStateIndex state, int num_glyphs) {
    int index = 1;
    if (state == csPressed) index = 3;
    if (state == csDisabled) index = 2;
    return num_glyphs < index ? 1 : index;
}

int speed_button_margin(int along_client, int along_glyph, int along_text, bool glyph_and_text, int margin,
                        int spacing) {
    if (!glyph_and_text) spacing = 0;
    if (margin != -1 || spacing == -1) return margin;
    return (along_client - (along_glyph + spacing + along_text)) / 2 + 1;
}

int check_box_frame(bool checked, bool indeterminate, bool checked_property, bool disabled) {
    int frame = checked ? 2 : indeterminate ? 4 : 1;
    if (checked_property) frame = 2;
    if (disabled) frame = 3;
    return frame;
}

int radio_button_frame(bool checked, bool disabled) { return 1 + (disabled ? 2 : 0) + (checked ? 1 : 0); }

Rect check_box_rect(const Rect& control, Size cell, bool left_text) {
    Rect box;
    box.top = control.top + (control.height() - cell.height) / 2;
    box.bottom = box.top + cell.height;
    const bool narrow = cell.width < 15;
    const int margin = narrow ? (14 - cell.width) / 2 : 0;
    if (left_text) {
        box.right = narrow ? control.right - margin : control.right - 1;
        box.left = box.right - cell.width;
    } else {
        box.left = control.left + margin;
        box.right = box.left + cell.width;
    }
    return box;
}

int strip_cell_width(int image_width, int frame_count) {
    return frame_count > 0 ? image_width / frame_count : 0;
}

int progress_fill_width(int width, std::int32_t minimum, std::int32_t maximum, std::int32_t position) {
    const std::int64_t range = std::int64_t{maximum} - minimum;
    const std::int64_t done = std::int64_t{position} - minimum;
    if (range <= 0 || done <= 0 || width <= 0) return 0;
    return static_cast<int>(std::min(done, range) * width / range);
}

int progress_chunk_count(int width, int chunk_width) {
    if (chunk_width <= 0 || width <= 0) return 0;
    return width / chunk_width + 1;
}

TrackBarDrawAnswer track_bar_custom_draw(std::uint32_t stage, std::uintptr_t item) {
    constexpr std::uint32_t kPrePaint = 1, kItemPrePaint = 0x10001;
    constexpr std::uint32_t kNotifyItemDraw = 0x20, kDoDefault = 0, kSkipDefault = 4;
    constexpr std::uintptr_t kThumb = 2;
    if (stage == kPrePaint) return {kNotifyItemDraw, false};
    if (stage == kItemPrePaint && item == kThumb) return {kSkipDefault, true};
    return {kDoDefault, false};
}

Rect size_grip_rect(const Rect& bar, Size cell) {
    return {bar.right - 1 - cell.width, bar.bottom - 1 - cell.height, bar.right - 1, bar.bottom - 1};
}

int status_panel_frame(PanelBevel bevel) {
    switch (bevel) {
    case PanelBevel::Lowered: return 1;
    case PanelBevel::Raised: return 2;
    case PanelBevel::None: break;
    }
    return 3;
}

Rect caption_rect(const Rect& rect, Size measured, unsigned format) {
    const int dy = (rect.height() - measured.height) / 2 - 1;
    const int spare = rect.width() - measured.width;
    const int dx = format == kCaptionCenter ? spare / 2 : format == kCaptionRight ? spare : 0;
    return Rect::from_size(rect.left + dx, rect.top + dy, measured.width, measured.height);
}

bool tag_disables_skin(std::int32_t tag, std::int32_t disable_tag) { return tag % 100 == disable_tag; }

PlainChildSkin plain_child_skin(std::string_view class_name, std::uint32_t style, bool has_child) {
    if (class_name == "button") {
        switch (style & 0xF) {
        case 2: case 3: case 5: case 6: return PlainChildSkin::CheckBox;
        case 4: case 9: return PlainChildSkin::RadioButton;
        case 0: case 1: case 8: case 10: return PlainChildSkin::Button;
        default: return PlainChildSkin::None;  // group box, owner-drawn and later types
        }
    }
    if (class_name == "combobox") return (style & 3) != 1 ? PlainChildSkin::ComboBox : PlainChildSkin::None;
    if (class_name == "comboboxex32") return has_child ? PlainChildSkin::ComboBoxChild : PlainChildSkin::None;
    // Size boxes and grips are blanked; a scroll bar the user scrolls keeps its own look.
    if (class_name == "scrollbar") return (style & 0x18) != 0 ? PlainChildSkin::Sizer : PlainChildSkin::None;
    if (class_name == "systabcontrol32") return (style & 0x2000) == 0 ? PlainChildSkin::Tab : PlainChildSkin::None;
    if (class_name == "edit") return PlainChildSkin::Edit;
    return PlainChildSkin::None;
}

}  // namespace korvane
