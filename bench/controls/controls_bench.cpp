// The skinned controls under Wine, each against a peer measured in the same run:
//   button paint: WM_PAINT of one skinned 120x32 button (face from the skin's
//     Buttons strip, caption) against the same button painted by the system;
//   hover: 10,000 mouse enter/leave cycles over a row of five skinned
//     buttons, with the live GDI objects before and after (no growth);
//   memo scroll: a 10,000-line memo scrolled end to end by thumb-track
//     steps, each repainted at once, skinned bars against the system's, with
//     the live GDI objects before and after.
//
// Usage: controls_bench SKIN_FILE   (a Windows program; bench/controls/run.sh runs it under Wine)

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "framework/win/application.h"
#include "framework/win/edits.h"
#include "framework/win/form.h"
#include "framework/win/stdctrls.h"
#include "skin/controls/control_skins.h"
#include "skin/controls/skin_control.h"
#include "support/timing.h"

namespace korvane {
namespace {

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

TMemo* NewMemo(TForm* form) {
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetBounds(10, 10, 400, 300);
    memo->SetWordWrap(false);
    memo->SetScrollBars(ssVertical);
    std::string text;
    text.reserve(10000 * 24);
    for (int i = 1; i <= 10000; ++i) text += "Line " + std::to_string(i) + " of the memo\r\n";
    memo->SetCaption(text);
    return memo;
}

// One pass of thumb-track steps from the first line to the last, each
// repainted at once, as a drag of the thumb from end to end sends them.
constexpr int kScrollSteps = 200;
void ScrollEndToEnd(HWND memo) {
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    GetScrollInfo(memo, SB_VERT, &info);
    const int last = info.nMax - int(info.nPage) + 1;
    for (int step = 0; step <= kScrollSteps; ++step) {
        const int pos = info.nMin + int((long long)(last - info.nMin) * step / kScrollSteps);
        SendMessageW(memo, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, pos), 0);
        UpdateWindow(memo);
    }
    SendMessageW(memo, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, last), 0);
    SendMessageW(memo, WM_VSCROLL, SB_ENDSCROLL, 0);
    SendMessageW(memo, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    UpdateWindow(memo);
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

    auto* plain_memo_form = Application->CreateForm<TForm>();
    plain_memo_form->SetBounds(0, 300, 430, 340);
    TMemo* plain_memo = NewMemo(plain_memo_form);
    plain_memo_form->Show();
    auto* memo_form = Application->CreateForm<TForm>();
    memo_form->SetBounds(440, 300, 430, 340);
    TMemo* memo = NewMemo(memo_form);
    memo_form->Show();
    auto* skinned_memo = new TWinSkinForm(memo_form->Handle());
    skinned_memo->SkinForm(skin, *memo_form);
    SendMessageW(memo_form->Handle(), WM_SKINSTART, 0, 1000);
    Settle();
    auto* memo_skins = static_cast<TControlSkins*>(skinned_memo->Controls());
    if (!memo_skins || !memo_skins->FindControlByHandle(memo->Handle())) {
        std::fprintf(stderr, "the memo was not skinned\n");
        return 1;
    }
    // Both memos once first, so what either keeps for later is made before counting.
    ScrollEndToEnd(memo->Handle());
    ScrollEndToEnd(plain_memo->Handle());
    const int memo_before = LiveGdiObjects();
    const auto scroll =
        MsPerCall(1, {[&] { ScrollEndToEnd(memo->Handle()); }, [&] { ScrollEndToEnd(plain_memo->Handle()); }});
    const int memo_after = LiveGdiObjects();
    std::printf("memo scroll (10,000 lines, %d thumb-track steps end to end): skinned %.4f ms/step, system %.4f "
                "ms/step, ratio %.2fx; GDI objects %d before, %d after (growth %d)\n",
                kScrollSteps, scroll[0] / kScrollSteps, scroll[1] / kScrollSteps, scroll[0] / scroll[1],
                memo_before, memo_after, memo_after - memo_before);
    skinned_memo->Release();
    TWinSkinForm::SetControlSkinning(nullptr);
    return after == before && memo_after == memo_before ? 0 : 1;
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
