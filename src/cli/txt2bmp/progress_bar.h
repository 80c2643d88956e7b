#pragma once
// A one-line progress bar on a terminal: "[#####.....]  50%".

#include <cstdio>

namespace korvane::txt2bmp {

class ProgressBar {
public:
    explicit ProgressBar(std::FILE* out) : out_(out) {}
    ~ProgressBar();  // ends the line if anything was shown
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void show(int percent);

private:
    std::FILE* out_;
    bool shown_ = false;
};

}  // namespace korvane::txt2bmp
