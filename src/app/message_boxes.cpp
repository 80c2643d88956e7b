#include "app/message_boxes.h"

#include "framework/win/application.h"

namespace korvane {

void ShowWarning(const std::string& text) { Application->MessageBox(text, "Warning", MB_OK | MB_ICONWARNING); }

bool Confirm(const std::string& text) {
    return Application->MessageBox(text, "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace korvane
