// The skinned frame on a full-HD window, each against a peer measured in the
// same run:
//   frame paint: WM_NCPAINT of a 1920x1080 skinned window (borders, title
//     strip, caption, buttons) against Wine's own WM_NCPAINT of the same
//     window unskinned (goal: at most 2x);
//   skin load: package bytes of data/skins/default.skn to a ready TSkinData,
//     with the share spent expanding the LZH stream and decoding the BMP members.
//
// Usage: frame_bench SKIN_FILE   (a Windows program; bench/frame/run.sh runs it under Wine)

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/bmp.h"
#include "base/file_io.h"
#include "skin/data/lzh.h"
#include "skin/data/skin_reader.h"
#include "skin/engine/skin_data.h"
#include "skin/engine/win_skin_form.h"
#include "support/timing.h"

namespace korvane {
namespace {

HWND BigWindow(const wchar_t* title) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"KorvaneFrameBench";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW, 0, 0, 1920, 1080, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

int Run(const std::string& skin_file) {
    const std::string bytes = read_file(skin_file);
    const std::vector<std::uint8_t> package(bytes.begin(), bytes.end());

    // Frame paint.
    TSkinData skin(nullptr);
    if (!skin.LoadFromPackage(package)) return 2;
    HWND plain = BigWindow(L"Unskinned window of the frame bench");
    HWND skinned = BigWindow(L"Skinned window of the frame bench");
    auto* form = new TWinSkinForm(skinned);
    form->SkinWindow(skin);
    SendMessageW(skinned, WM_SKINSTART, 0, 1000);
    SetWindowPos(skinned, nullptr, 0, 0, 1920, 1080, SWP_NOZORDER | SWP_NOMOVE);
    SetWindowPos(plain, nullptr, 0, 0, 1920, 1080, SWP_NOZORDER | SWP_NOMOVE);
    Pump();
    const std::vector<double> paint = MsPerCall(20, {[&] { SendMessageW(skinned, WM_NCPAINT, 1, 0); },
                                                     [&] { SendMessageW(plain, WM_NCPAINT, 1, 0); }});
    const double skin_ms = paint[0], wine_ms = paint[1];
    std::printf("frame paint 1920x1080: skinned %.3f ms, Wine's own %.3f ms, ratio %.2f (goal <= 2)\n", skin_ms,
                wine_ms, skin_ms / wine_ms);
    form->Release();
    DestroyWindow(skinned);
    DestroyWindow(plain);

    // Skin load and its parts.
    TSkinReader reader;
    reader.LoadPackage(package);
    std::vector<std::vector<std::uint8_t>> bitmaps;
    for (const std::string& name : reader.names())
        if (name.ends_with(".bmp")) {
            bitmaps.emplace_back();
            reader.GetMember(name, bitmaps.back());
        }
    const std::vector<double> load = MsPerCall(10, {[&] {
                                                        TSkinData data(nullptr);
                                                        data.LoadFromPackage(package);
                                                    },
                                                    [&] { ExpandLzhStream(package); },
                                                    [&] {
                                                        for (const auto& b : bitmaps) decode_bmp(b);
                                                    }});
    const double load_ms = load[0], lzh_ms = load[1], bmp_ms = load[2];
    std::printf("skin load %s (%zu bytes, %zu bitmaps): %.3f ms; LZH expansion %.3f ms (%.0f%%), "
                "BMP decoding %.3f ms (%.0f%%)\n",
                skin_file.c_str(), package.size(), bitmaps.size(), load_ms, lzh_ms, 100 * lzh_ms / load_ms,
                bmp_ms, 100 * bmp_ms / load_ms);
    return 0;
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: frame_bench SKIN_FILE\n");
        return 2;
    }
    return korvane::Run(argv[1]);
}
