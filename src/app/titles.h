#pragma once
// The main window's title, at rest and while a conversion runs.

#include <string>
#include <string_view>

namespace korvane {

inline constexpr std::string_view kMainTitle = "文本转图片工具V1.0";

// "文本转图片工具V1.0(P%)".
std::string progress_title(int percent);

}  // namespace korvane
