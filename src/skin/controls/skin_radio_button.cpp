#include "skin/controls/skin_radio_button.h"

namespace korvane {

int TSkinRadioButton::BoxFrame() {
    return radio_button_frame(SendMessageW(Handle, BM_GETCHECK, 0, 0) == BST_CHECKED,
                              GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED);
}

const Image& TSkinRadioButton::BoxImage() const { return SkinData->Skin().Buttons.RadioButton; }
int TSkinRadioButton::BoxFrames() const { return SkinData->Skin().Buttons.RadioButtonFrame; }

}  // namespace korvane
