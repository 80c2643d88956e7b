#include "skin_check.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <vector>

#include "base/color.h"
#include "base/image.h"
#include "framework/win/gdi.h"
#include "skin/data/skin_model.h"
#include "tool_process.h"

namespace korvane::e2e {

namespace {

// Every colour of the skin's left border image but the key colour, as the
// screen gives it (0x00BBGGRR).
const std::set<COLORREF>& left_border_colours() {
    static const std::set<COLORREF> colours = [] {
        std::ifstream in(std::filesystem::path(wine_path(KORVANE_DEFAULT_SKIN)), std::ios::binary);
        std::vector<std::uint8_t> package{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::set<COLORREF> found;
        std::optional<SkinModel> skin = LoadSkinPackage(package);
        if (!skin) return found;
        const Image& border = skin->BorderLeft.Bitmap;
        for (int y = 0; y < border.height(); ++y)
            for (int x = 0; x < border.width(); ++x) {
                const Pixel p = border.at(x, y);
                if (!is_key(p)) found.insert(to_color(p));
            }
        return found;
    }();
    return colours;
}

std::string hex(COLORREF c) {
    char text[16];
    wsprintfA(text, "%06lX", static_cast<unsigned long>(c));
    return text;
}

}  // namespace

std::string skinned_frame_fault(HWND window) {
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, region.get()) == ERROR) return "no window region";
    RECT outer{};
    GetWindowRect(window, &outer);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    const int border = client.x - outer.left;
    if (border <= 0) return "no left border";
    const std::set<COLORREF>& skin = left_border_colours();
    if (skin.empty()) return "the skin package gave no left border";
    // The middle third of the left border, down its middle column.
    WindowDC screen(nullptr);
    const int x = outer.left + border / 2;
    const int height = outer.bottom - client.y;
    for (int y = client.y + height / 3; y < client.y + 2 * height / 3; ++y) {
        const COLORREF seen = GetPixel(screen.get(), x, y);
        if (!skin.contains(seen))
            return "pixel " + std::to_string(x - outer.left) + "," + std::to_string(y - outer.top) + " is " +
                   hex(seen) + ", not a colour of the skin's left border";
    }
    return {};
}

}  // namespace korvane::e2e
