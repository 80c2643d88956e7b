#include "skin/controls/skin_box.h"

#include "framework/win/group_box.h"

namespace korvane {

bool TSkinBox::BeforeMessage(TMessage& message) {
    if (message.Msg == WM_PAINT && SkinData)
        if (auto* box = dynamic_cast<TCustomGroupBox*>(HookedControl()))
            if (box->Font().GetColor() != SkinData->Colours().ButtonText)
                box->Font().SetColor(SkinData->Colours().ButtonText);
    return true;
}

}  // namespace korvane
