#include "mock_window.h"

#include <algorithm>
#include <string_view>

#include "labels.h"
#include "skin/draw/drawing.h"
#include "skin/draw/strip.h"

namespace korvane::skinpreview {

namespace {

// Captions in code page 936, as the dot-matrix fonts take them.
constexpr std::string_view kAppTitle = "\xce\xc4\xb1\xbe\xd7\xaa\xcd\xbc\xc6\xac\xb9\xa4\xbe\xdf"
                                       "V1.0";                 // 文本转图片工具V1.0
constexpr std::string_view kPreview = "\xd4\xa4\xc0\xc0";      // 预览
constexpr std::string_view kFile = "\xce\xc4\xbc\xfe";         // 文件
constexpr std::string_view kEdit = "\xb1\xe0\xbc\xad";         // 编辑
constexpr std::string_view kHelp = "\xb0\xef\xd6\xfa";         // 帮助
constexpr std::string_view kOpen = "\xb4\xf2\xbf\xaa";         // 打开
constexpr std::string_view kSave = "\xb1\xa3\xb4\xe6";         // 保存
constexpr std::string_view kConvert = "\xd7\xaa\xbb\xbb";      // 转换
constexpr std::string_view kExit = "\xcd\xcb\xb3\xf6";         // 退出
constexpr std::string_view kWrap = "\xd7\xd4\xb6\xaf\xbb\xbb\xd0\xd0";  // 自动换行
constexpr std::string_view kLandscape = "\xba\xe1\xcf\xf2";    // 横向
constexpr std::string_view kPortrait = "\xd7\xdd\xcf\xf2";     // 纵向
constexpr std::string_view kReady = "\xbe\xcd\xd0\xf7";        // 就绪
constexpr std::string_view kPage1 = "\xb5\xda\x31\xd2\xb3";    // 第1页
constexpr std::string_view kTextFile = "\xce\xc4\xb1\xbe\xce\xc4\xbc\xfe";  // 文本文件
constexpr std::string_view kName = "\xc3\xfb\xb3\xc6";         // 名称
constexpr std::string_view kSize = "\xb4\xf3\xd0\xa1";         // 大小
constexpr std::string_view kGeneral = "\xb3\xa3\xb9\xe6";      // 常规
constexpr std::string_view kAdvanced = "\xb8\xdf\xbc\xb6";     // 高级

constexpr int kScrollWidth = 17;  // the platform's scroll-bar width in the mock

Pixel pixel_of(Color c) { return to_pixel(c); }

// Margins and positions are the skin author's numbers, anything from INT_MIN
// to INT_MAX: the mock keeps them within a range where its sums cannot
// overflow, far beyond any window it draws.
constexpr int kFar = 1 << 20;
int bounded(std::int32_t v) { return std::clamp(v, -kFar, kFar); }

Margins margins_of(const TDataSkinObject& e) {
    return {bounded(e.LeftWidth), bounded(e.TopHeight), bounded(e.RightWidth), bounded(e.BottomHeight)};
}

Strip strip_of(const TDataSkinObject& e, bool vertical = false) {
    return {e.Bitmap.view(), e.Frame, vertical};
}

// The size of one frame of an element's strip; empty for a frame count that is not positive.
Size frame_size(const Image& image, int frames, bool vertical = false) {
    return FrameRect({image.view(), frames, vertical}, 1).size();
}

// An element frame as the control skinning draws it: a nine-slice, tiled
// centre when the element says so, key colour left out when it is Trans.
void draw_element(MutableImageView target, const Rect& r, const TDataSkinObject* e, int frame) {
    if (!e || e->Bitmap.empty()) return;
    DrawNineSlice(target, r, strip_of(*e), frame, margins_of(*e), e->Tile != 0, e->Trans == 1);
}

// A whole frame cell stretched over r, key colour left out.
void draw_cell(MutableImageView target, const Rect& r, const Image& image, int frames, int frame) {
    DrawStripFrame(target, r, {image.view(), frames, false}, frame, true);
}

void draw_text_centred(MutableImageView target, const Rect& r, std::string_view text, Pixel ink) {
    draw_label(target, {r.left + (r.width() - label_width(text)) / 2, r.top + (r.height() - kLabelHeight) / 2},
               text, ink);
}

// The window frame: borders, title strip with caption and buttons, and the
// menu bar when `menu` is given. Returns the client rectangle.
Rect paint_frame(MutableImageView w, const SkinModel& s, bool active, std::string_view caption,
                 std::initializer_list<std::string_view> menu) {
    const int W = w.width();
    const int H = w.height();
    const int left = frame_size(s.BorderLeft.Bitmap, s.BorderLeft.Frame).width;
    const int right = frame_size(s.BorderRight.Bitmap, s.BorderRight.Frame).width;
    const int top = frame_size(s.BorderTop.Bitmap, s.BorderTop.Frame, true).height;
    const int bottom = frame_size(s.BorderBottom.Bitmap, s.BorderBottom.Frame, true).height;
    auto border = [&](const TDataSkinBorder& b, const Rect& r, bool stacked) {
        const int frame = active || b.Frame == 1 ? 1 : 2;
        DrawNineSlice(w, r, strip_of(b, stacked), frame, margins_of(b), b.Tile != 1, false);
    };
    border(s.BorderLeft, {0, 0, left, H}, false);
    border(s.BorderRight, {W - right, 0, W, H}, false);
    border(s.BorderBottom, {left, H - bottom, W - right, H}, true);
    border(s.BorderTop, {left, 0, W - right, top}, true);

    const Color title_colour = active ? s.Colours.TitleTextActive : s.Colours.TitleTextNoActive;
    draw_label(w, {left + bounded(s.Title.LeftWidth), (top - kLabelHeight) / 2 + bounded(s.Title.TopHeight) / 2},
               caption,
               pixel_of(title_colour));
    for (const TDataSkinSysButton& b : s.SysButtons) {
        // The buttons of a normal, not maximised window with both boxes.
        if (b.Bitmap.empty() || b.Align != 1 || b.Visibility == 1) continue;
        const int bw = frame_size(b.Bitmap, b.Frame).width;
        const int frame = active || b.Frame < 4 ? 1 : 4;
        DrawStripFrame(w, Rect::from_size(W - bounded(b.Xcoord), bounded(b.Ycoord), bw, b.Bitmap.height()),
                       strip_of(b), frame, true);
    }

    int client_top = top;
    if (menu.size() && s.MenuBar) {
        const int bar_height = 20;
        const Rect bar{left, top, W - right, top + bar_height};
        const TDataSkinObject& m = *s.MenuBar;
        const Margins caps = margins_of(m);
        DrawThreeSlice(w, bar, strip_of(m, true), active ? 1 : 2, {caps.left, 0, caps.right, 0}, false);
        int x = bar.left + caps.left + 4;
        for (std::string_view entry : menu) {
            const int width = label_width(entry) + 10;
            draw_text_centred(w, {x, bar.top, x + width, bar.bottom - 1}, entry, pixel_of(s.Colours.MenuBarText));
            x += width;
        }
        client_top = bar.bottom;
    }
    const Rect client{left, client_top, W - right, H - bottom};
    for (int y = client.top; y < client.bottom; ++y)
        for (int x = client.left; x < client.right; ++x) w.at(x, y) = pixel_of(s.Colours.ButtonFace);
    return client;
}

void push_button(MutableImageView w, const SkinModel& s, const Rect& r, int state, std::string_view text) {
    draw_element(w, r, &s.Buttons, state);
    const Color ink = state == 1 ? s.Buttons.NormalColour2
                      : state == 4 ? s.Buttons.MouseOverColour2
                      : state == 2 ? s.Buttons.PressedColour2
                                   : s.Colours.ButtonShadow;
    draw_text_centred(w, r.translated(state == 2 ? 1 : 0, state == 2 ? 1 : 0), text, pixel_of(ink));
}

void glyph_box(MutableImageView w, const SkinModel& s, Point at, const Image& glyphs, int frames, int frame,
               std::string_view text) {
    const int gw = frame_size(glyphs, frames).width;
    draw_cell(w, Rect::from_size(at.x, at.y + (16 - glyphs.height()) / 2, gw, glyphs.height()), glyphs, frames,
              frame);
    draw_label(w, {at.x + gw + 5, at.y}, text, pixel_of(frame == 3 ? s.Colours.ButtonShadow : s.Colours.ButtonText));
}

void progress_bar(MutableImageView w, const SkinModel& s, const Rect& r, int percent) {
    if (!s.Progress) return;
    draw_element(w, r, s.Progress.get(), 1);
    Rect filled = r;
    filled.right = r.left + r.width() * percent / 100;
    DrawNineSlice(w, filled, strip_of(*s.Progress), 2, margins_of(*s.Progress), false, true);
}

void combo_box(MutableImageView w, const SkinModel& s, const Rect& r, std::string_view text) {
    if (!s.ComboButton || !s.SunkEdge) return;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) w.at(x, y) = pixel_rgb(255, 255, 255);
    const Rect button{r.right - kScrollWidth - 2, r.top, r.right, r.bottom};
    draw_cell(w, button, s.ComboButton->Bitmap, s.ComboButton->Frame, 1);
    if (s.ExtraImages) {
        const int gw = frame_size(s.ExtraImages->Bitmap, s.ExtraImages->Frame).width;
        const int gh = s.ExtraImages->Bitmap.height();
        draw_cell(w, Rect::from_size(button.left + (button.width() - gw) / 2, r.top + (r.height() - gh) / 2, gw, gh),
                  s.ExtraImages->Bitmap, s.ExtraImages->Frame, 1);
    }
    // The sunken edge: the first cell's margins on the left, top and bottom.
    const TDataSkinObject& e = *s.SunkEdge;
    const int cw = frame_size(e.Bitmap, e.Frame).width;
    const int ch = e.Bitmap.height();
    const Margins m = margins_of(e);
    const Rect edges[][2] = {
        {{r.left, r.top, r.left + 2, r.bottom}, {0, m.top, m.left, ch - m.bottom}},
        {{r.left, r.top, button.left, r.top + 2}, {m.left, 0, cw - m.right, m.top}},
        {{r.left, r.top, r.left + 2, r.top + 2}, {0, 0, m.left, m.top}},
        {{r.left, r.bottom - 2, button.left, r.bottom}, {m.left, ch - m.bottom, cw - m.right, ch}},
        {{r.left, r.bottom - 2, r.left + 2, r.bottom}, {0, ch - m.bottom, m.left, ch}},
    };
    for (const auto& piece : edges) StretchBlit(w, piece[0], e.Bitmap.view(), piece[1]);
    draw_label(w, {r.left + 5, r.top + (r.height() - kLabelHeight) / 2}, text, pixel_of(s.Colours.WindowText));
}

// A vertical window scroll bar: track, arrows and thumb, 16 pixels thick.
void scroll_bar(MutableImageView w, const SkinModel& s, const Rect& bar, int thumb_offset, int thumb_length) {
    if (!s.Scrollbar || !s.VertScroll || !s.VertScrollThumb) return;
    Image work(16, bar.height(), pixel_of(s.Colours.Scrollbar));
    auto v = work.mutable_view();
    const int a = kScrollWidth;
    draw_element(v, {0, a, 16, bar.height() - a}, s.VertScroll.get(), 1);
    draw_cell(v, {0, 0, 16, a}, s.Scrollbar->Bitmap, s.Scrollbar->Frame, 9);
    draw_cell(v, {0, bar.height() - a, 16, bar.height()}, s.Scrollbar->Bitmap, s.Scrollbar->Frame, 13);
    const TDataSkinObject& t = *s.VertScrollThumb;
    DrawNineSlice(v, {0, a + thumb_offset, 16, a + thumb_offset + thumb_length}, strip_of(t), 1, margins_of(t), false,
                  t.Trans == 1);
    StretchBlit(w, bar, work.view(), work.bounds());
}

void tab_control(MutableImageView w, const SkinModel& s, const Rect& r) {
    if (!s.Tabs) return;
    const int strip_height = 21;
    const std::string_view captions[] = {kGeneral, kAdvanced};
    int x = r.left + 2;
    for (int i = 0; i < 2; ++i) {
        const int width = label_width(captions[i]) + 20;
        const bool current = i == 0;
        const Rect tab{x, r.top + (current ? 0 : 2), x + width, r.top + strip_height + 1};
        draw_element(w, tab, s.Tabs.get(), current ? 2 : 1);
        draw_text_centred(w, tab, captions[i], pixel_of(current ? s.Tabs->MouseOverColour2 : s.Tabs->NormalColour2));
        x += width;
    }
    if (!s.Tabs->Bitmap2.empty())
        DrawNineSliceFrame(w, {r.left, r.top + strip_height, r.right, r.bottom}, {s.Tabs->Bitmap2.view(), 1, false}, 1,
                           {4, 5, 4, 4});
}

void header_and_list(MutableImageView w, const SkinModel& s, const Rect& r) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) w.at(x, y) = pixel_rgb(255, 255, 255);
    const std::string_view columns[] = {kName, kSize};
    const int widths[] = {r.width() * 3 / 5, r.width() - r.width() * 3 / 5};
    int x = r.left;
    for (int i = 0; i < 2; ++i) {
        const Rect item{x, r.top, x + widths[i], r.top + 20};
        draw_element(w, item, s.Headerbar.get(), 1);
        draw_label(w, {item.left + 4, item.top + 2}, columns[i], pixel_of(s.Colours.ButtonText));
        x += widths[i];
    }
    draw_label(w, {r.left + 4, r.top + 24}, "sample.txt", pixel_of(s.Colours.WindowText));
    draw_label(w, {r.left + widths[0] + 4, r.top + 24}, "12 KB", pixel_of(s.Colours.WindowText));
    for (int i = r.left; i < r.right; ++i) {
        w.at(i, r.bottom - 1) = pixel_of(s.Colours.ButtonShadow);
        w.at(i, r.top + 20) = pixel_of(s.Colours.ButtonShadow);
    }
}

void status_bar(MutableImageView w, const SkinModel& s, const Rect& r) {
    if (!s.StatusBarEdges) return;
    const Rect panels[] = {{r.left, r.top, r.left + 160, r.bottom}, {r.left + 160, r.top, r.right, r.bottom}};
    const std::string_view texts[] = {kReady, kPage1};
    for (int i = 0; i < 2; ++i) {
        draw_element(w, panels[i], s.StatusBarEdges.get(), 1);
        draw_label(w, {panels[i].left + 4, panels[i].top + (panels[i].height() - kLabelHeight) / 2}, texts[i],
                   pixel_of(s.StatusBarEdges->NormalColour2));
    }
    if (s.ExtraImages) {
        const Image& grip = s.ExtraImages->Bitmap;
        const int gw = frame_size(grip, s.ExtraImages->Frame).width;
        draw_cell(w, {r.right - 1 - gw, r.bottom - 1 - grip.height(), r.right - 1, r.bottom - 1}, grip,
                  s.ExtraImages->Frame, 5);
    }
}

// An open drop-down: background with border, a selected item, a separator.
void popup_menu(MutableImageView target, const SkinModel& s, Point at) {
    if (!s.MenuBackground || !s.MenuItem) return;
    const std::string_view items[] = {kOpen, kSave, "-", kExit};
    const int item_height = 20;
    const int width = 120;
    const int height = 3 + 3 * item_height + 8 + 3;
    const Image background = BuildNineSlice({width, height}, strip_of(*s.MenuBackground), 1,
                                            margins_of(*s.MenuBackground), s.MenuBackground->Tile != 0);
    Image menu = background;
    auto v = menu.mutable_view();
    int y = 3;
    for (int i = 0; i < 4; ++i) {
        if (items[i] == "-") {
            // The bottom 8 rows of frame 2: caps kept, middle stretched.
            const Image& item = s.MenuItem->Bitmap;
            const Margins m = margins_of(*s.MenuItem);
            const int fw = frame_size(item, s.MenuItem->Frame).width;
            const int ih = item.height();
            const Rect dest{3, y, width - 3, y + 8};
            StretchBlitTransparent(v, {dest.left, y, dest.left + m.left, y + 8}, item.view(),
                                   {fw, ih - 8, fw + m.left, ih});
            StretchBlitTransparent(v, {dest.left + m.left, y, dest.right - m.right, y + 8}, item.view(),
                                   {fw + m.left, ih - 8, 2 * fw - m.right, ih});
            StretchBlitTransparent(v, {dest.right - m.right, y, dest.right, y + 8}, item.view(),
                                   {2 * fw - m.right, ih - 8, 2 * fw, ih});
            y += 8;
            continue;
        }
        const bool selected = i == 1;
        const Rect item{3, y, width - 3, y + item_height};
        draw_element(v, item, s.MenuItem.get(), selected ? 4 : 1);
        draw_label(v, {item.left + 20, item.top + 2}, items[i],
                   pixel_of(selected ? s.Colours.HilightText : s.Colours.MenuText));
        y += item_height;
    }
    StretchBlit(target, Rect::from_size(at.x, at.y, width, height), menu.view(), menu.bounds());
}

Image front_window(const SkinModel& s) {
    Image window(500, 360);
    auto w = window.mutable_view();
    const Rect c = paint_frame(w, s, true, kAppTitle, {kFile, kEdit, kHelp});
    const int x0 = c.left + 16;
    const int y0 = c.top + 14;
    const std::string_view captions[] = {kOpen, kSave, kConvert, kExit};
    const int states[] = {1, 4, 2, 3};
    for (int i = 0; i < 4; ++i) push_button(w, s, Rect::from_size(x0 + i * 84, y0, 76, 25), states[i], captions[i]);
    const int y1 = y0 + 38;
    glyph_box(w, s, {x0, y1}, s.Buttons.CheckButton, s.Buttons.CheckButtonFrame, 2, kWrap);
    glyph_box(w, s, {x0 + 110, y1}, s.Buttons.RadioButton, s.Buttons.RadioButtonFrame, 2, kPortrait);
    glyph_box(w, s, {x0 + 190, y1}, s.Buttons.RadioButton, s.Buttons.RadioButtonFrame, 1, kLandscape);
    glyph_box(w, s, {x0 + 270, y1}, s.Buttons.CheckButton, s.Buttons.CheckButtonFrame, 3, kPreview);
    const int y2 = y1 + 30;
    combo_box(w, s, Rect::from_size(x0, y2, 180, 22), kTextFile);
    progress_bar(w, s, Rect::from_size(x0 + 196, y2 + 3, 130, 16), 60);
    const int y3 = y2 + 36;
    tab_control(w, s, Rect::from_size(x0, y3, 200, 120));
    header_and_list(w, s, Rect::from_size(x0 + 214, y3 + 2, 150, 118));
    scroll_bar(w, s, {c.right - kScrollWidth - 6, c.top + 8, c.right - 6, c.bottom - 30}, 30, 60);
    status_bar(w, s, {c.left, c.bottom - 22, c.right, c.bottom});
    popup_menu(w, s, {c.left + 6, c.top - 1});
    return window;
}

Image back_window(const SkinModel& s) {
    Image window(380, 250);
    auto w = window.mutable_view();
    const Rect c = paint_frame(w, s, false, kPreview, {});
    const Rect page = c.shrunken(14);
    for (int y = page.top; y < page.bottom; ++y)
        for (int x = page.left; x < page.right; ++x) w.at(x, y) = pixel_rgb(255, 255, 255);
    draw_label(w, {page.left + 10, page.top + 10}, kAppTitle, pixel_rgb(0, 0, 0));
    draw_label(w, {page.left + 10, page.top + 30}, "Hello, world.", pixel_rgb(0, 0, 0));
    return window;
}

}  // namespace

Image render_mock_window(const SkinModel& skin) {
    Image desktop(900, 470);
    auto d = desktop.mutable_view();
    for (int y = 0; y < desktop.height(); ++y)
        for (int x = 0; x < desktop.width(); ++x)
            d.at(x, y) = pixel_rgb(58 - y * 24 / 470, 110 - y * 40 / 470, 165 - y * 45 / 470);
    const Image back = back_window(skin);
    DrawTransparent(d, Rect::from_size(506, 24, back.width(), back.height()), back.view());
    const Image front = front_window(skin);
    DrawTransparent(d, Rect::from_size(24, 84, front.width(), front.height()), front.view());
    return desktop;
}

}  // namespace korvane::skinpreview
