#include "skin/controls/skin_sizer.h"

namespace korvane {

bool TSkinSizer::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
            if (Handle) ValidateRect(Handle, nullptr);
            return false;
        case WM_ERASEBKGND: message.Result = 1; return false;
        default: return true;
    }
}

}  // namespace korvane
