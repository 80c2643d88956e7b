#include "app/titles.h"

namespace korvane {

std::string progress_title(int percent) {
    return std::string(kMainTitle) + "(" + std::to_string(percent) + "%)";
}

}  // namespace korvane
