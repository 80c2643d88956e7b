#pragma once
// What the Windows tests of the skinned frame share: the default skin, plain
// Win32 windows to skin, screen read-back and the compositions the frame must
// equal, made by the drawing utilities from the same skin pieces.

#include <windows.h>

#include <string>

#include "base/image.h"
#include "skin/draw/blit.h"
#include "skin/draw/drawing.h"
#include "skin/draw/frame_geometry.h"
#include "skin/draw/title_buttons.h"
#include "skin/engine/skin_data.h"
#include "skin/engine/win_skin_form.h"

namespace korvane::testing {

inline const std::string kDefaultSkin = KORVANE_TEST_DATA "/../../data/skins/default.skn";

// The default skin, loaded once.
inline TSkinData& DefaultSkin() {
    static TSkinData* data = [] {
        auto* d = new TSkinData(nullptr);
        d->SetSkinFile(kDefaultSkin);
        return d;
    }();
    return *data;
}

// A plain top-level window of a class of its own, shown at (x, y).
inline HWND PlainWindow(const wchar_t* title, DWORD style, DWORD ex_style, int x, int y, int w, int h) {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = L"KorvaneSkinTestWindow";
        return RegisterClassW(&wc);
    }();
    HWND window = CreateWindowExW(ex_style, MAKEINTATOM(atom), title, style, x, y, w, h, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

// Handles what is queued for a little while.
inline void Pump(int rounds = 5) {
    for (int i = 0; i < rounds; ++i) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

inline Size WindowSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// The whole window as its window DC shows it now.
inline Image Capture(HWND window) {
    const Size size = WindowSize(window);
    TBitmap shot;
    shot.SetSize(size.width, size.height);
    HDC dc = GetWindowDC(window);
    BitBlt(shot.Canvas().Handle(), 0, 0, size.width, size.height, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    return Image::copy_of(shot.View());
}

// A border piece of the default skin at `size`, as the frame draws it.
inline Image BorderPiece(const TDataSkinBorder& record, Size size, bool stacked, bool active) {
    const Strip strip{record.Bitmap.view(), record.Frame, stacked};
    const int frame = active || record.Frame == 1 ? 1 : 2;
    return BuildNineSlice(size, strip, frame,
                          {record.LeftWidth, record.TopHeight, record.RightWidth, record.BottomHeight},
                          record.Tile != 1);
}

// Pixels of `shot` at `at` that differ from `expected`, counting only those
// where `expected` is not the key colour and `skip` does not hold.
template <class Skip>
int Differences(const Image& shot, Point at, const Image& expected, Skip skip) {
    int differ = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const Pixel want = expected.at(x, y);
            if (is_key(want) || skip(Point{at.x + x, at.y + y})) continue;
            if (rgb_of(shot.at(at.x + x, at.y + y)) != rgb_of(want)) ++differ;
        }
    return differ;
}
inline int Differences(const Image& shot, Point at, const Image& expected) {
    return Differences(shot, at, expected, [](Point) { return false; });
}

// The whole frame as the drawing utilities compose it from the form's skin:
// the side pieces own the corners, the top piece spans between them, the
// title-bar buttons go over the strip (and over the side pieces where they
// reach them). The buttons of the menu-bar row are the bar's (see
// BarWithChildButtons).
inline Image ExpectedFrame(const TWinSkinForm& form, Size size, bool active) {
    const SkinModel& skin = form.SkinData->Skin();
    const int w = size.width, h = size.height;
    const int left = form.FrameLeft, top = form.FrameTop, right = form.FrameRight, bottom = form.FrameBottom;
    Image frame(w, h);
    auto put = [&](const Image& piece, Point at) {
        StretchBlit(frame.mutable_view(), Rect::from_size(at.x, at.y, piece.width(), piece.height()), piece,
                    {0, 0, piece.width(), piece.height()});
    };
    put(BorderPiece(skin.BorderLeft, {left, h}, false, active), {0, 0});
    put(BorderPiece(skin.BorderRight, {right, h}, false, active), {w - right, 0});
    put(BorderPiece(skin.BorderBottom, {w - left - right, bottom}, true, active), {left, h - bottom});
    put(BorderPiece(skin.BorderTop, {w - left - right, top}, true, active), {left, 0});
    for (const auto& b : form.TitleButtons) {
        const TDataSkinSysButton& r = *b->SkinButton;
        if (!b->Visible || r.Bitmap.empty() || IsIconAction(r.Action) || r.Visibility == 100) continue;
        DrawStripFrame(frame.mutable_view(), b->BoundsRect, {r.Bitmap.view(), r.Frame, false},
                       TitleButtonFrame(active, r.Frame), true);
    }
    return frame;
}

// Differences between a picture of the skinned window and the expected frame
// outside the client area, the menu bar, the caption text and the window's icon.
inline int FrameDifferences(const Image& shot, const TWinSkinForm& form, bool active) {
    const Size size{shot.width(), shot.height()};
    const Rect client = SkinnedClientRect({0, 0, size.width, size.height}, form.Frame(), form.MenuBarHeight);
    const Rect bar{form.FrameLeft, form.FrameTop, size.width - form.FrameRight, form.FrameTop + form.MenuBarHeight};
    auto in_icon = [&](Point p) {
        for (const auto& b : form.TitleButtons)
            if (b->Visible && IsIconAction(b->SkinButton->Action) && b->BoundsRect.contains(p)) return true;
        return false;
    };
    return Differences(shot, {0, 0}, ExpectedFrame(form, size, active), [&](Point p) {
        return client.contains(p) || bar.contains(p) || form.CaptionRect.contains(p) || in_icon(p);
    });
}
inline int FrameDifferences(HWND window, const TWinSkinForm& form, bool active) {
    return FrameDifferences(Capture(window), form, active);
}

}  // namespace korvane::testing
