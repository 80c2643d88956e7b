#include "progress_bar.h"

#include <string>

namespace korvane::txt2bmp {

namespace {
constexpr int kWidth = 40;
}

void ProgressBar::show(int percent) {
    int filled = percent * kWidth / 100;
    std::string bar(std::size_t(filled), '#');
    bar.append(std::size_t(kWidth - filled), '.');
    std::fprintf(out_, "\r[%s] %3d%%", bar.c_str(), percent);
    std::fflush(out_);
    shown_ = true;
}

ProgressBar::~ProgressBar() {
    if (shown_) std::fputc('\n', out_);
}

}  // namespace korvane::txt2bmp
