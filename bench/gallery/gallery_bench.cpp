// Switching the whole gallery from one skin to another, with every window of
// it open (the gallery form, the MDI page with its children, the message
// dialog and the open dialog, the last two in their modal loops):
//   switch: the next package of the folder chosen until every window has been
//     re-applied and repainted, split into loading (the package read into the
//     skin data component, every window dropping its title-bar buttons, the
//     Skin menu's check and the caption following) and
//     re-applying with repainting (the manager's refresh, asked to run at
//     once instead of 250 ms later, and every paint it causes);
//   peer: the same windows repainted without a switch (frames, client areas
//     and every control invalidated and painted).
// Both run in alternating rounds, so that the load of a shared machine falls
// on both alike; medians of 11 rounds.
//
// Usage: gallery_bench SKIN_FILE   (the packages of its folder are switched;
// a Windows program, bench/gallery/run.sh runs it under Wine)

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/win32_text.h"
#include "framework/win/application.h"
#include "gallery/gallery_form.h"
#include "gallery/gallery_pages.h"
#include "gallery/gallery_skins.h"
#include "skin/controls/control_skins.h"
#include "skin/engine/registration.h"
#include "skin/engine/skin_manager.h"
#include "support/timing.h"
#include "support/run_later.h"

namespace korvane {
namespace {

// Handles messages until the manager has nothing pending and no window of the
// thread waits to be painted.
void UntilPainted() {
    do {
        Application->ProcessMessages();
    } while (SkinManager->ActionPending() || HIWORD(GetQueueStatus(QS_PAINT)) != 0);
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            if (IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void Measure(TGallerySkins& skins) {
    constexpr int kRounds = 11;
    std::vector<double> loading, applying, total, repaint;
    const std::vector<HWND> windows = ThreadWindows();
    UntilPainted();
    for (int round = 0; round < kRounds; ++round) {
        const double start = NowMs();
        skins.Wear((skins.Worn() + 1) % skins.Count());
        const double loaded = NowMs();
        SkinManager->Schedule(SkinAction::Refresh, 1);
        UntilPainted();
        const double applied = NowMs();
        loading.push_back(loaded - start);
        applying.push_back(applied - loaded);
        total.push_back(applied - start);

        const double peer_start = NowMs();
        for (HWND w : windows)
            RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        UntilPainted();
        repaint.push_back(NowMs() - peer_start);
    }
    std::printf("gallery, %zu windows open (%d skinned), %d skins in turn, medians of %d rounds:\n",
                windows.size(), SkinManager->SkinnedWindowCount(), skins.Count(), kRounds);
    std::printf("  switch to the next skin: %.2f ms (loading %.2f ms, re-applying and repainting %.2f ms)\n",
                Median(total), Median(loading), Median(applying));
    std::printf("  peer, the same windows repainted without a switch: %.2f ms\n", Median(repaint));
    std::printf("  ratio switch / repaint: %.2f\n", Median(total) / Median(repaint));
}

int Run(const std::string& skin_file) {
    auto* gallery = Application->CreateForm<TGalleryForm>();
    const std::string folder = narrow(std::filesystem::path(widen(skin_file)).parent_path().wstring());
    TGallerySkins& skins = AddGallerySkins(*gallery, folder, "");
    if (skins.Count() < 2) return 2;
    gallery->Show();
    ShowGalleryMdiFrame();
    Application->ProcessMessages();
    int result = 1;
    testing::RunLater([&] {
        testing::RunLater([&] {
            Measure(skins);
            result = 0;
            PostMessageW(GetActiveWindow(), WM_COMMAND, IDCANCEL, 0);  // the open dialog
        });
        gallery->ShowOpenDialog();
        PostMessageW(GetActiveWindow(), WM_CLOSE, 0, 0);  // the message dialog
    });
    gallery->ShowMessageDialog();
    return result;
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    korvane::RegisterSkinClasses();
    korvane::InstallControlSkinning();
    korvane::TApplication application;
    application.Initialize();
    application.SetTitle("Korvane gallery bench");
    return korvane::Run(argv[1]);
}
