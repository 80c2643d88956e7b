#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/win/status_bar.h"
#include "framework/win/track_bar.h"
#include "user_input.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using BarsTest = FrameworkTest;

std::vector<int> PartEdges(HWND bar) {
    int edges[16] = {};
    auto n = int(SendMessageW(bar, SB_GETPARTS, 16, reinterpret_cast<LPARAM>(edges)));
    return {edges, edges + n};
}

struct PanelText {
    std::wstring text;
    int type;
    bool operator==(const PanelText&) const = default;
};

PanelText PanelOf(HWND bar, int index) {
    wchar_t text[128] = {};
    auto r = LRESULT(SendMessageW(bar, SB_GETTEXTW, WPARAM(index), reinterpret_cast<LPARAM>(text)));
    return {text, int(HIWORD(r))};
}

TEST_F(BarsTest, StatusBarShowsItsPanelsWithBevelsAlignmentsAndTheSimpleText) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 400, 200);
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 150, 380, 20);
    TStatusPanel& first = bar->Panels().Add();
    first.SetText("Ready");
    first.SetWidth(80);
    TStatusPanel& second = bar->Panels().Add();
    second.SetText("Ln 1");
    second.SetBevel(pbRaised);
    second.SetAlignment(taCenter);
    form->Show();
    HWND window = bar->Handle();

    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & SBARS_SIZEGRIP);
    EXPECT_EQ(PartEdges(window), (std::vector<int>{80, -1}));
    EXPECT_EQ(PanelOf(window, 0), (PanelText{L"Ready", 0}));
    EXPECT_EQ(PanelOf(window, 1), (PanelText{L"\tLn 1", SBT_POPOUT}));

    // A third panel: the second now ends at 80 + 50, the third reaches the edge.
    TStatusPanel& third = bar->Panels().Add();
    third.SetText("UTF-8");
    third.SetBevel(pbNone);
    third.SetAlignment(taRightJustify);
    EXPECT_EQ(PartEdges(window), (std::vector<int>{80, 130, -1}));
    EXPECT_EQ(PanelOf(window, 2), (PanelText{L"\t\tUTF-8", SBT_NOBORDERS}));
    bar->Panels().Delete(0);
    EXPECT_EQ(PartEdges(window), (std::vector<int>{50, -1}));
    EXPECT_EQ(PanelOf(window, 0).text, L"\tLn 1");

    bar->SetSimpleText("Saving...");
    bar->SetSimplePanel(true);
    EXPECT_TRUE(SendMessageW(window, SB_ISSIMPLE, 0, 0));
    bar->SetSimplePanel(false);
    EXPECT_FALSE(SendMessageW(window, SB_ISSIMPLE, 0, 0));
    // The framework places the bar; it does not move itself to its parent's bottom.
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.bottom - r.top, 20);
    EXPECT_EQ(bar->Top(), 150);
    bar->SetSizeGrip(false);
    EXPECT_FALSE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
    EXPECT_EQ(PartEdges(bar->Handle()), (std::vector<int>{50, -1}));
}

LONG FontHeightOf(HWND window) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfHeight;
}

TEST_F(BarsTest, StatusBarWithTheSystemFontIgnoresItsFontUntilSwitchedOff) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 400, 200);
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 150, 380, 20);
    bar->Font().SetHeight(-30);
    ASSERT_NE(metrics.lfStatusFont.lfHeight, -30);
    form->Show();
    EXPECT_FALSE(bar->UseSystemFont());
    EXPECT_EQ(FontHeightOf(bar->Handle()), -30);
    bar->SetUseSystemFont(true);
    EXPECT_EQ(FontHeightOf(bar->Handle()), metrics.lfStatusFont.lfHeight);
    bar->Font().SetHeight(-24);  // a font change keeps the system's
    EXPECT_EQ(FontHeightOf(bar->Handle()), metrics.lfStatusFont.lfHeight);
    bar->SetUseSystemFont(false);
    EXPECT_EQ(FontHeightOf(bar->Handle()), -24);
}

TEST_F(BarsTest, TrackBarMovesWithKeysAndMouseAndReportsEveryChange) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 400, 200);
    auto* bar = new TTrackBar(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 200, 45);
    bar->SetMax(20);
    bar->SetPageSize(5);
    std::vector<int> changes;
    bar->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, bar);
        changes.push_back(bar->Position());
    };
    form->Show();
    Pump();
    HWND window = bar->Handle();
    EXPECT_EQ(SendMessageW(window, TBM_GETRANGEMAX, 0, 0), 20);
    ASSERT_TRUE(bar->Focused());  // the form's first tab stop

    TypeKey(VK_RIGHT);
    PumpUntil([&] { return changes.size() == 1; });
    TypeKey(VK_NEXT);
    PumpUntil([&] { return changes.size() == 2; });
    TypeKey(VK_END);
    PumpUntil([&] { return changes.size() == 3; });
    EXPECT_EQ(changes, (std::vector<int>{1, 6, 20}));

    // A click on the channel left of the thumb pages towards it.
    RECT channel;
    SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    MoveMouseTo(window, {channel.left + 10, (channel.top + channel.bottom) / 2});
    LeftDown();
    LeftUp();
    PumpUntil([&] { return changes.size() == 4; });
    EXPECT_EQ(bar->Position(), 15);

    bar->SetPosition(99);  // kept within the range
    EXPECT_EQ(SendMessageW(window, TBM_GETPOS, 0, 0), 20);
    EXPECT_EQ(changes.back(), 20);
    bar->SetMax(8);
    EXPECT_EQ(bar->Position(), 8);
    EXPECT_EQ(SendMessageW(window, TBM_GETPOS, 0, 0), 8);

    // Vertical: the window's style, and the long side turns with it.
    bar->SetOrientation(trVertical);
    EXPECT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & TBS_VERT);
    EXPECT_EQ(bar->Width(), 45);
    EXPECT_EQ(bar->Height(), 200);
    EXPECT_EQ(SendMessageW(bar->Handle(), TBM_GETPOS, 0, 0), 8);
    // Disabled, it loses the focus and takes no keys.
    bar->SetFocus();
    bar->SetEnabled(false);
    EXPECT_FALSE(bar->Focused());
    TypeKey(VK_HOME);
    Pump();
    EXPECT_EQ(bar->Position(), 8);
}

}  // namespace
}  // namespace korvane::testing
