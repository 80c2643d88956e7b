#pragma once
// The rules of the skinned controls that need no window: which frame of an
// element strip a control state shows, where the box of a check box or radio
// button sits, how far a progress bar is filled, what a track bar answers to
// its custom-draw stages, where a status bar's size grip goes, how a caption
// is centred, and which skinning object a child window of a plain dialog
// gets. The Windows classes gather the facts and paint.

#include <cstdint>
#include <string_view>

#include "base/geometry.h"

namespace korvane {

// Frame numbers of the five-frame Buttons strip (and of the other element
// strips that follow the same order).
enum ControlStateIndex { csNormal = 1, csPressed = 2, csDisabled = 3, csHot = 4 };

// Disabled wins over everything, pressed over hot or focused.
ControlStateIndex control_state_index(bool enabled, bool pressed, bool hot_or_focused);
// A speed button that is down (latched) is drawn pressed whatever else holds.
ControlStateIndex speed_button_state_index(bool enabled, bool pressed, bool hot, bool down);
// Which image of a speed button's glyph strip of num_glyphs images shows:
// normal and hot 1, disabled 2, pressed 3; 1 when the strip is shorter.
int speed_button_glyph_index(ControlStateIndex state, int num_glyphs);
// The margin a speed button lays its glyph out with: with the margin -1 and
// a given spacing the group sits one pixel further along than on a bit
// button; every other margin is kept. along_* are sizes along the layout's
// axis; spacing counts as 0 when the glyph or the text has no width.
int speed_button_margin(int along_client, int along_glyph, int along_text, bool glyph_and_text, int margin,
                        int spacing);

// Frame of a check box's strip: 1 unchecked, 2 checked, 3 disabled, 4 third
// state. checked_property: the framework control says it is checked.
int check_box_frame(bool checked, bool indeterminate, bool checked_property, bool disabled);
// Frame of a radio button's strip: 1 off, 2 on, 3 disabled off, 4 disabled on.
int radio_button_frame(bool checked, bool disabled);
// Where the box image (cell w × h) goes in a control of that rectangle: an
// image narrower than 15 pixels is centred in a 14-pixel cell; with the text
// on the left the box sits at the right end.
Rect check_box_rect(const Rect& control, Size cell, bool left_text);

// Width of one frame of a strip of that width; 0 when the count is not
// positive (nothing is drawn then).
int strip_cell_width(int image_width, int frame_count);

// How many pixels of a progress bar `width` wide are filled at `position`
// between `minimum` and `maximum`: none when the range is empty or the
// position is at or below the minimum, all of it at or above the maximum.
// Computed in 64 bits, so no range or width overflows.
int progress_fill_width(int width, std::int32_t minimum, std::int32_t maximum, std::int32_t position);
// Chunks side by side covering `width` (one more than fit whole); 0 without
// a chunk width.
int progress_chunk_count(int width, int chunk_width);

// A track bar's answer to one custom-draw stage and item.
struct TrackBarDrawAnswer {
    std::uint32_t result;
    bool draw_thumb;  // the skin paints the thumb before answering
};
TrackBarDrawAnswer track_bar_custom_draw(std::uint32_t stage, std::uintptr_t item);

// The status bar's size grip: cell w × h with its bottom-right corner one
// pixel inside the bar's bottom-right corner.
Rect size_grip_rect(const Rect& bar, Size cell);
// Strip frame of a status bar panel by its bevel: lowered 1, raised 2, none 3.
enum class PanelBevel { None, Lowered, Raised };
int status_panel_frame(PanelBevel bevel);

// DrawText formats a caption is drawn with.
constexpr unsigned kCaptionLeft = 0, kCaptionCenter = 1, kCaptionRight = 2;
// Where a caption of the measured size (measured at the rectangle's top-left)
// is drawn: centred vertically one pixel high; across, at the left edge,
// centred (kCaptionCenter) or against the right edge (kCaptionRight), since
// the measured rectangle is only as wide as the text. Divisions truncate
// toward zero.
Rect caption_rect(const Rect& rect, Size measured, unsigned format);

// A component whose Tag modulo 100 (remainder with the sign of Tag) equals
// the skin data's DisableTag is left unskinned.
bool tag_disables_skin(std::int32_t tag, std::int32_t disable_tag);

// What a child window of a plain dialog is skinned as.
enum class PlainChildSkin { None, Button, CheckBox, RadioButton, ComboBox, ComboBoxChild, Sizer, Tab, Edit };
// class_name: the window class in lower case; style: its window style;
// has_child: it has a child window (a ComboBoxEx skins its first child).
// Push buttons (types 0, 1, 8 and the push box 10) get the push-button skin;
// owner-drawn buttons (11) and the later types 12 to 15 are drawn by their
// owner and get none, as do group boxes (7). Of the "scrollbar" windows only
// size boxes and grips (SBS_SIZEBOX 0x08, SBS_SIZEGRIP 0x10) get the sizer,
// which blanks them: an ordinary scroll-bar control would vanish under it.
PlainChildSkin plain_child_skin(std::string_view class_name, std::uint32_t style, bool has_child);

}  // namespace korvane
