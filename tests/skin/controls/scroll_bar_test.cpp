// Skinned window scroll bars read back from the screen against the bar the
// skin composes, and the own thumb drag driven by real mouse input from a
// helper thread (the drag runs inside the test thread's window procedure),
// every wait bounded.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "framework/win/edits.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/user_input.h"
#include "framework/win/window_proc_hook.h"
#include "skin/controls/skin_sc_control.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skinned_controls.h"

namespace korvane::testing {
namespace {

class SkinnedScrollBars : public SkinnedControlsTest {
protected:
    // A memo of 300 numbered lines with the given bars, skinned.
    TSkinScrollBar& Memo(TScrollStyle bars) {
        form_ = NewForm(420, 320);
        memo_ = Place<TMemo>(form_, 20, 20, 220, 200);
        memo_->SetWordWrap(false);
        memo_->SetScrollBars(bars);
        std::string text;
        for (int i = 0; i < 300; ++i) text += "Line " + std::to_string(i) + " of a long list to scroll through\r\n";
        memo_->SetCaption(text);
        // Installed before the skin, so it sees what reaches the memo's own handling.
        inner_ = std::make_unique<WindowProcHook>(*memo_, [this](TMessage& m, const TWndMethod& next) {
            if (m.Msg == WM_NCMOUSEMOVE) ++bar_hovers_;
            next(m);
        });
        TControlSkins& skins = Skin(*form_);
        auto* object = dynamic_cast<TSkinScrollBar*>(skins.FindControlByHandle(memo_->Handle()));
        EXPECT_NE(object, nullptr);
        return *object;
    }

    // The bar as the skin draws it with the object's geometry now.
    static Image ExpectedBar(const TSkinScrollBar& object, bool vertical) {
        const Rect bar = vertical ? object.VertBarRect : object.HorzBarRect;
        TBitmap expected;
        expected.SetSize(bar.width(), bar.height());
        DrawScrollBar(expected.Canvas().Handle(), {0, 0, bar.width(), bar.height()}, vertical,
                      vertical ? object.VertGeometry : object.HorzGeometry, object.PressedPart, Model());
        GdiFlush();
        return Image::copy_of(expected.View());
    }

    int BarDifferences(const TSkinScrollBar& object, bool vertical) const {
        const Rect bar = vertical ? object.VertBarRect : object.HorzBarRect;
        return Differences(Capture(memo_->Handle()), bar.top_left(), ExpectedBar(object, vertical));
    }

    // Screen point of the vertical thumb's middle.
    Point ThumbCentre(const TSkinScrollBar& object) const {
        RECT window{};
        GetWindowRect(memo_->Handle(), &window);
        const BarGeometry& g = object.VertGeometry;
        return {window.left + object.VertBarRect.left + object.VertBarRect.width() / 2,
                window.top + object.VertBarRect.top + g.arrow_size + g.thumb_offset + g.thumb_length / 2};
    }

    // Runs the user's part on a helper thread while this thread handles
    // messages (the drag loop among them) until the helper is done, at most
    // ten seconds. Returns the exit code of a WM_QUIT seen here, or -1.
    int PlayUser(const std::function<void()>& user) {
        std::atomic<bool> done{false};
        std::thread helper([&] {
            user();
            done = true;
        });
        int quit = -1;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done && std::chrono::steady_clock::now() < end) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_QUIT) {
                    quit = int(msg.wParam);
                    continue;
                }
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(5);
        }
        helper.join();
        EXPECT_TRUE(done) << "the user's part did not finish in ten seconds";
        Pump();
        return quit;
    }

    // A horizontal scroll-bar control 0 ... 1000 with a page of 1, in the
    // middle, skinned; every scroll step it reports is logged.
    TSkinScControl& Bar() {
        form_ = NewForm(420, 200);
        bar_ = Place<TScrollBar>(form_, 20, 40, 360, GetSystemMetrics(SM_CYHSCROLL));
        bar_->SetMax(1000);
        bar_->SetPageSize(1);
        bar_->SetLargeChange(100);
        bar_->SetSmallChange(3);
        bar_->SetPosition(500);
        bar_->OnScroll = [this](TObject*, TScrollCode code, int&) { steps_.push_back(code); };
        TControlSkins& skins = Skin(*form_);
        auto* object = dynamic_cast<TSkinScControl*>(skins.FindControlByHandle(bar_->Handle()));
        EXPECT_NE(object, nullptr);
        Pump();
        steps_.clear();
        return *object;
    }

    // The control as the skin draws it with the object's geometry now.
    int ControlDifferences(const TSkinScControl& object) const {
        RECT r{};
        GetWindowRect(bar_->Handle(), &r);
        TBitmap expected;
        expected.SetSize(r.right - r.left, r.bottom - r.top);
        DrawScrollBar(expected.Canvas().Handle(), {0, 0, r.right - r.left, r.bottom - r.top}, false,
                      object.Geometry, object.PressedPart, Model());
        GdiFlush();
        return Differences(Capture(bar_->Handle()), {0, 0}, Image::copy_of(expected.View()));
    }

    // Screen point `x` pixels along the control, in its middle across.
    Point OnBar(int x) const {
        RECT r{};
        GetWindowRect(bar_->Handle(), &r);
        return {r.left + x, (r.top + r.bottom) / 2};
    }

    int Count(TScrollCode code) const { return int(std::count(steps_.begin(), steps_.end(), code)); }

    static void MoveTo(Point p) {
        SetCursorPos(p.x, p.y);
        Sleep(40);
    }

    TForm* form_ = nullptr;
    TMemo* memo_ = nullptr;
    std::unique_ptr<WindowProcHook> inner_;
    int bar_hovers_ = 0;
    TScrollBar* bar_ = nullptr;
    std::vector<TScrollCode> steps_;
};

TEST_F(SkinnedScrollBars, BothBarsAreTheSkinsWithACornerInTheFaceColourAfterTheSystemPaintsItsOwn) {
    ASSERT_TRUE(Model().Scrollbar && Model().VertScrollThumb);
    TSkinScrollBar& object = Memo(ssBoth);
    Pump();
    ASSERT_FALSE(object.VertBarRect.is_empty());
    ASSERT_FALSE(object.HorzBarRect.is_empty());
    EXPECT_EQ(BarDifferences(object, true), 0);
    EXPECT_EQ(BarDifferences(object, false), 0);
    const Image shot = Capture(memo_->Handle());
    ASSERT_FALSE(object.CornerRect.is_empty());
    EXPECT_EQ(Differences(shot, object.CornerRect.top_left(),
                          Image(object.CornerRect.width(), object.CornerRect.height(), Face())),
              0);
    // Scrolling from the program: the system sets the scroll information and
    // draws its own bar; the skinned one is what shows afterwards.
    SendMessageW(memo_->Handle(), EM_LINESCROLL, 0, 120);
    EXPECT_GT(object.VertGeometry.thumb_offset, 0);
    EXPECT_EQ(BarDifferences(object, true), 0);
    // Hovering over a bar sends the memo's own handling no WM_NCMOUSEMOVE.
    const Point thumb = ThumbCentre(object);
    for (int dy = 0; dy < 40; dy += 10) MoveTo({thumb.x, thumb.y + dy});
    Pump();
    EXPECT_EQ(bar_hovers_, 0);
}

TEST_F(SkinnedScrollBars, DraggingTheDrawnThumbPastTheEndStopsAtTheLastPageAndShowsThePressedFrameOnlyWhileDragging) {
    TSkinScrollBar& object = Memo(ssVertical);
    Pump();
    std::vector<int> codes;
    int pressed_while_tracking = -1;
    WindowProcHook watch(*memo_, [&](TMessage& m, const TWndMethod& next) {
        next(m);
        if (m.Msg != WM_VSCROLL) return;
        codes.push_back(LOWORD(m.WParam));
        if (LOWORD(m.WParam) == SB_THUMBTRACK) pressed_while_tracking = object.PressedPart;
    });
    const Point thumb = ThumbCentre(object);
    RECT window{};
    GetWindowRect(memo_->Handle(), &window);
    PlayUser([&] {
        MoveTo(thumb);
        LeftDown();
        Sleep(60);
        for (int y = thumb.y; y < window.bottom + 200; y += 20) MoveTo({thumb.x, y});
        LeftUp();
        Sleep(100);
    });
    EXPECT_FALSE(object.Tracking);
    EXPECT_EQ(GetCapture(), nullptr);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(pressed_while_tracking, 6);
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    EXPECT_NE(std::find(codes.begin(), codes.end(), SB_THUMBPOSITION), codes.end());
    // A click on the drawn thumb dragged it: no page step came first.
    EXPECT_EQ(std::find(codes.begin(), codes.end(), SB_PAGEDOWN), codes.end());
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(memo_->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nPos, info.nMax - int(info.nPage) + 1);
    EXPECT_EQ(object.PressedPart, 0);
    EXPECT_EQ(BarDifferences(object, true), 0);  // frame 1 again
}

TEST_F(SkinnedScrollBars, ADragEndsCleanlyWhenItsControlIsDestroyedOrTheApplicationQuits) {
    TSkinScrollBar& object = Memo(ssVertical);
    Pump();
    const HWND memo = memo_->Handle();
    WindowProcHook destroy(*form_, [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_APP + 7) DestroyWindow(memo);
        next(m);
    });
    // WM_QUIT in the middle of a drag ends it and reaches the outer loop.
    const DWORD thread = GetCurrentThreadId();
    Point thumb = ThumbCentre(object);
    const int quit = PlayUser([&] {
        MoveTo(thumb);
        LeftDown();
        Sleep(60);
        MoveTo({thumb.x, thumb.y + 30});
        PostThreadMessageW(thread, WM_QUIT, 7, 0);
        Sleep(200);
        LeftUp();
        Sleep(60);
    });
    EXPECT_EQ(quit, 7);
    EXPECT_FALSE(object.Tracking);
    EXPECT_EQ(GetCapture(), nullptr);

    thumb = ThumbCentre(object);
    const HWND form = form_->Handle();
    PlayUser([&] {
        MoveTo(thumb);
        LeftDown();
        Sleep(60);
        MoveTo({thumb.x, thumb.y + 20});
        PostMessageW(form, WM_APP + 7, 0, 0);
        Sleep(200);
        MoveTo({thumb.x, thumb.y + 40});
        LeftUp();
        Sleep(60);
    });
    EXPECT_FALSE(IsWindow(memo));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinnedScrollBars, APressOnTheDrawnThumbOfAScrollBarControlRunsTheOwnDragToTheLastPosition) {
    TSkinScControl& object = Bar();
    EXPECT_EQ(ControlDifferences(object), 0);
    const BarGeometry g = object.Geometry;
    ASSERT_TRUE(thumb_visible(g));
    // The drawn thumb's first pixel.
    const int press = g.arrow_size + g.thumb_offset;
    int pressed_while_dragging = -1;
    bool own_drag = false;
    bar_->OnScroll = [&](TObject*, TScrollCode code, int&) {
        steps_.push_back(code);
        if (code != scTrack) return;
        pressed_while_dragging = object.PressedPart;
        own_drag = object.Tracking;
    };
    RECT window{};
    GetWindowRect(bar_->Handle(), &window);
    PlayUser([&] {
        MoveTo(OnBar(press));
        LeftDown();
        Sleep(60);
        for (int x = press; x < window.right - window.left + 300; x += 30) MoveTo(OnBar(x));
        LeftUp();
        Sleep(100);
    });
    ASSERT_FALSE(steps_.empty());
    EXPECT_EQ(steps_.front(), scTrack);
    EXPECT_EQ(Count(scPageUp) + Count(scPageDown), 0);
    EXPECT_EQ(Count(scPosition), 1);
    EXPECT_EQ(steps_.back(), scEndScroll);
    EXPECT_EQ(pressed_while_dragging, 5);
    EXPECT_TRUE(own_drag);
    // Past the end: the last position the thumb reaches.
    EXPECT_EQ(bar_->Position(), bar_->MaxPosition());
    EXPECT_FALSE(object.Tracking);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), bar_->Handle());
    EXPECT_EQ(object.PressedPart, 0);
    // Focused, and for longer than a blink: no caret of the system's blinks
    // where its own thumb would be.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ControlDifferences(object), 0) << "after " << i * 300 << " ms";
        Sleep(300);
        Pump();
    }
}

TEST_F(SkinnedScrollBars, AScrollBarControlPagesOnItsDrawnTrackAndStepsOnItsArrowsRepeatingWhileHeld) {
    TSkinScControl& object = Bar();
    const BarGeometry g = object.Geometry;
    EXPECT_EQ(ControlDifferences(object), 0);
    // A click on the arrow: one step.
    PlayUser([&] {
        MoveTo(OnBar(g.arrow_size / 2));
        LeftDown();
        Sleep(40);
        LeftUp();
        Sleep(60);
    });
    EXPECT_EQ(Count(scLineUp), 1);
    EXPECT_EQ(ControlDifferences(object), 0);
    EXPECT_EQ(bar_->Position(), 497);
    EXPECT_EQ(steps_.back(), scEndScroll);
    // Held on the track right of the thumb: pages until the thumb is under
    // the mouse, then stops.
    steps_.clear();
    const int track_end = g.arrow_size + g.track_length;
    PlayUser([&] {
        MoveTo(OnBar(track_end - 2));
        LeftDown();
        Sleep(1500);
        LeftUp();
        Sleep(60);
    });
    EXPECT_EQ(steps_.front(), scPageDown);
    EXPECT_EQ(Count(scTrack), 0);
    EXPECT_GE(Count(scPageDown), 2);
    EXPECT_EQ(bar_->Position(), 497 + 100 * Count(scPageDown));
    EXPECT_EQ(scroll_hit_test(object.Geometry, track_end - 2), SB_THUMBTRACK);
    EXPECT_FALSE(object.Tracking);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(ControlDifferences(object), 0);
}

TEST_F(SkinnedScrollBars, AScrollBarControlsDragEndsCleanlyWhenItIsDestroyedOrTheApplicationQuits) {
    TSkinScControl& object = Bar();
    const BarGeometry g = object.Geometry;
    const int thumb = g.arrow_size + g.thumb_offset + g.thumb_length / 2;
    const DWORD thread = GetCurrentThreadId();
    const int quit = PlayUser([&] {
        MoveTo(OnBar(thumb));
        LeftDown();
        Sleep(60);
        MoveTo(OnBar(thumb + 30));
        PostThreadMessageW(thread, WM_QUIT, 9, 0);
        Sleep(200);
        LeftUp();
        Sleep(60);
    });
    EXPECT_EQ(quit, 9);
    EXPECT_FALSE(object.Tracking);
    EXPECT_EQ(GetCapture(), nullptr);

    const HWND bar = bar_->Handle();
    WindowProcHook destroy(*form_, [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_APP + 7) DestroyWindow(bar);
        next(m);
    });
    const HWND form = form_->Handle();
    const int at = object.Geometry.arrow_size + object.Geometry.thumb_offset + object.Geometry.thumb_length / 2;
    PlayUser([&] {
        MoveTo(OnBar(at));
        LeftDown();
        Sleep(60);
        MoveTo(OnBar(at + 20));
        PostMessageW(form, WM_APP + 7, 0, 0);
        Sleep(200);
        MoveTo(OnBar(at + 40));
        LeftUp();
        Sleep(60);
    });
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace korvane::testing
