// Time to read skin definitions of N title-bar button sections each, against
// the first N given: reading should take time in proportion to the text.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/data/skin_model.h"

namespace {

std::string Definition(int sections) {
    std::string text = "[Personality]\r\nLeft=left.bmp\r\n";
    for (int i = 0; i < sections; ++i)
        text += "[Button" + std::to_string(i) + "]\r\nAction=" + std::to_string(i % 12) +
                "\r\nButtonImage=close.bmp\r\n";
    return text;
}

// Seconds, best of three runs.
double ReadTime(const std::string& definition) {
    const korvane::SkinMemberLookup no_members = [](std::string_view) {
        return std::vector<std::uint8_t>();
    };
    double best = 1e30;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const korvane::SkinModel skin = korvane::ReadSkinDefinition(definition, no_members);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (skin.SysButtons.empty()) std::abort();
        best = std::min(best, took.count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    std::printf("%-10s %10s %10s %12s %12s\n", "sections", "bytes", "ms", "size ratio", "time ratio");
    double first_time = 0;
    double first_bytes = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string definition = Definition(std::atoi(argv[i]));
        const double seconds = ReadTime(definition);
        if (i == 1) {
            first_time = seconds;
            first_bytes = double(definition.size());
        }
        std::printf("%-10s %10zu %10.1f %12.2f %12.2f\n", argv[i], definition.size(), seconds * 1e3,
                    double(definition.size()) / first_bytes, seconds / first_time);
    }
    return 0;
}
