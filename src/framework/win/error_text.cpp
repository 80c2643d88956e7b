#include "framework/win/error_text.h"

namespace korvane {

std::string error_box_text(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
    return message;
}

}  // namespace korvane
