// The skinned controls under Wine, each against a peer measured in the same run:
//   button paint: WM_PAINT of one skinned 120x32 button (face from the skin's
//     Buttons strip, caption) against the same button painted by the system;
//   hover: 10,000 mouse enter/leave cycles over a row of five skinned
//     buttons, with the live GDI objects before and after (no growth).
//
// Usage: controls_bench SKIN_FILE   (a Windows program; bench/controls/run.sh runs it under Wine)

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/stdctrls.h"
#include "skin/controls/control_skins.h"
#include "skin/controls/skin_control.h"

namespace korvane {
namespace {

// Milliseconds per call of each job: rounds taking turns, median round.
std::vector<double> MsPerCall(int count, const std::vector<std::function<void()>>& jobs) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    constexpr int kRounds = 11;
    std::vector<std::vector<double>> rounds(jobs.size());
    for (int round = 0; round < kRounds; ++round)
        for (std::size_t j = 0; j < jobs.size(); ++j) {
            QueryPerformanceCounter(&start);
            for (int i = 0; i < count; ++i) jobs[j]();
            QueryPerformanceCounter(&end);
            rounds[j].push_back(double(end.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart) / count);
        }
    std::vector<double> medians;
    for (auto& r : rounds) {
        std::sort(r.begin(), r.end());
        medians.push_back(r[kRounds / 2]);
    }
    return medians;
}

// Wine answers 0 to GetGuiResources: then the live handles are counted.
int LiveGdiObjects() {
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return int(n);
    int n = 0;
    for (UINT_PTR h = 1; h < 0x10000; ++h)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(h))) ++n;
    return n;
}

void Settle() {
    for (int i = 0; i < 10; ++i) {
        Application->ProcessMessages();
        Sleep(10);
    }
}

TButton* NewButton(TForm* form, int x, const char* caption) {
    auto* b = new TButton(form);
    b->SetParent(form);
    b->SetBounds(x, 20, 120, 32);
    b->SetCaption(caption);
    return b;
}

void Repaint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

int Run(const std::string& skin_file) {
    TSkinData skin(nullptr);
    skin.SetSkinFile(skin_file);
    if (skin.Empty()) {
        std::fprintf(stderr, "cannot load the skin %s\n", skin_file.c_str());
        return 2;
    }
    InstallControlSkinning();

    auto* plain_form = Application->CreateForm<TForm>();
    plain_form->SetBounds(0, 0, 700, 100);
    TButton* plain = NewButton(plain_form, 10, "Convert");
    plain_form->Show();

    auto* form = Application->CreateForm<TForm>();
    form->SetBounds(0, 150, 700, 100);
    std::vector<TButton*> row;
    for (int i = 0; i < 5; ++i) row.push_back(NewButton(form, 10 + i * 130, "Convert"));
    form->Show();
    auto* skinned = new TWinSkinForm(form->Handle());
    skinned->SkinForm(skin, *form);
    SendMessageW(form->Handle(), WM_SKINSTART, 0, 1000);
    Settle();
    auto* skins = static_cast<TControlSkins*>(skinned->Controls());
    if (!skins || !skins->FindControlByHandle(row[0]->Handle())) {
        std::fprintf(stderr, "the button was not skinned\n");
        return 1;
    }

    const auto paint = MsPerCall(200, {[&] { Repaint(row[0]->Handle()); }, [&] { Repaint(plain->Handle()); }});
    std::printf("button paint (120x32): skinned %.4f ms, system %.4f ms, ratio %.2fx\n", paint[0], paint[1],
                paint[0] / paint[1]);

    auto cycle = [&] {
        for (TButton* b : row) {
            SendMessageW(b->Handle(), CM_MOUSEENTER, 0, 0);
            SendMessageW(b->Handle(), CM_MOUSELEAVE, 0, 0);
        }
    };
    cycle();
    const int before = LiveGdiObjects();
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < 2000; ++i) cycle();  // 10,000 enter/leave cycles over five buttons
    QueryPerformanceCounter(&end);
    const int after = LiveGdiObjects();
    std::printf("hover: 10000 enter/leave cycles in %.0f ms, GDI objects %d before, %d after (growth %d)\n",
                double(end.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart), before, after,
                after - before);
    skinned->Release();
    TWinSkinForm::SetControlSkinning(nullptr);
    return after == before ? 0 : 1;
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    korvane::TApplication application;
    application.Initialize();
    application.SetTitle("Korvane controls bench");
    return korvane::Run(argv[1]);
}
