// Owner-drawn menu items, the menu messages of a window, and popping up a
// context menu.

#include <algorithm>

#include "base/error.h"
#include "base/win32_text.h"
#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/imglist.h"
#include "framework/win/menus.h"

namespace korvane {

namespace {

constexpr int kGlyphSize = 16;     // the image or check-mark box of an item
constexpr int kLineHeight = 8;     // a separator
constexpr int kShortCutGap = 16;   // between the caption and the shortcut

// The font the system draws menus with.
void set_menu_font(TFont& font) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
    const LOGFONTW& menu = metrics.lfMenuFont;
    font.SetName(narrow(menu.lfFaceName));
    font.SetHeight(menu.lfHeight);
    font.SetCharset(menu.lfCharSet);
    font.SetStyle(menu.lfWeight >= FW_BOLD ? TFontStyles{fsBold} : TFontStyles{});
}

Size caption_size(TCanvas& canvas, const std::string& caption) {
    Rect r{0, 0, 0, 0};
    canvas.DrawText(caption.empty() ? " " : caption, r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    return r.size();
}

// A check mark or a radio bullet in the glyph box, from the symbol font the
// system draws its own with.
void draw_check(TCanvas& canvas, const Rect& box, bool radio, Color color) {
    TFont saved;
    saved.Assign(&canvas.Font());
    canvas.Font().SetName("Marlett");
    canvas.Font().SetCharset(SYMBOL_CHARSET);
    canvas.Font().SetHeight(-kGlyphSize + 2);
    canvas.Font().SetStyle({});
    canvas.Font().SetColor(color);
    Rect r = box;
    canvas.DrawText(radio ? "h" : "a", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    canvas.Font().Assign(&saved);
}

UINT popup_alignment_flags(TPopupAlignment alignment) {
    switch (alignment) {
    case paRight: return TPM_RIGHTALIGN;
    case paCenter: return TPM_CENTERALIGN;
    default: return TPM_LEFTALIGN;
    }
}

void measure_item(const MEASUREITEMSTRUCT& request, TMenuItem& item, UINT& width, UINT& height) {
    WindowDC screen(nullptr);
    TCanvas canvas;
    CanvasBinding binding(canvas, screen.get());
    set_menu_font(canvas.Font());
    int w = int(request.itemWidth), h = int(request.itemHeight);
    item.MeasureItem(canvas, w, h);
    if (item.OnMeasureItem) item.OnMeasureItem(&item, canvas, w, h);
    width = UINT(std::max(w, 0));
    height = UINT(std::max(h, 0));
}

void draw_item(const DRAWITEMSTRUCT& request, TMenuItem& item) {
    SavedDC saved(request.hDC);
    TCanvas canvas;
    CanvasBinding binding(canvas, request.hDC);
    set_menu_font(canvas.Font());
    Rect rect = from_rect(request.rcItem);
    bool selected = (request.itemState & ODS_SELECTED) != 0;
    if (item.OnDrawItem) item.OnDrawItem(&item, canvas, rect, selected);
    else item.DrawItem(canvas, rect, selected);
}

HWND popup_owner(const TComponent& menu) {
    if (auto* form = dynamic_cast<TCustomForm*>(menu.Owner()); form && form->HandleAllocated())
        return form->Handle();
    if (Screen)
        if (TCustomForm* active = Screen->FindForm(GetActiveWindow())) return active->Handle();
    if (Application && Application->MainForm()) return Application->MainForm()->Handle();
    throw Error("No window to show the menu '" + menu.Name() + "'");
}

}  // namespace

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
    if (IsLine()) {
        width = kGlyphSize;
        height = kLineHeight;
        return;
    }
    if (default_) canvas.Font().SetStyle(canvas.Font().Style() + TFontStyles{fsBold});
    Size text = caption_size(canvas, caption_);
    if (OnMenuBar()) {
        width = text.width;
        height = text.height;
        return;
    }
    width = 2 + kGlyphSize + 6 + text.width;
    if (std::string shortcut = ShortCutToText(shortcut_); !shortcut.empty())
        width += kShortCutGap + canvas.TextWidth(shortcut);
    height = std::max(text.height, kGlyphSize) + 4;
}

void TMenuItem::DrawItem(TCanvas& canvas, Rect rect, bool selected) {
    canvas.Brush().SetColor(selected ? clHighlight : clMenu);
    canvas.FillRect(rect);
    if (IsLine()) {
        RECT line = to_rect(rect);
        line.top += rect.height() / 2 - 1;
        DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    Color text_color = !enabled_ ? clGrayText : selected ? clHighlightText : clMenuText;
    canvas.Font().SetColor(text_color);
    if (default_) canvas.Font().SetStyle(canvas.Font().Style() + TFontStyles{fsBold});
    canvas.Brush().SetStyle(bsClear);
    if (OnMenuBar()) {
        canvas.DrawText(caption_, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }

    Rect box = Rect::from_size(rect.left + 2, rect.top + (rect.height() - kGlyphSize) / 2, kGlyphSize, kGlyphSize);
    TMenu* menu = GetParentMenu();
    TImageList* images = menu ? menu->Images() : nullptr;
    if (images && image_index_ >= 0 && image_index_ < images->Count()) {
        if (checked_) {
            RECT frame = to_rect(box.shrunken(-1));
            DrawEdge(canvas.Handle(), &frame, BDR_SUNKENOUTER, BF_RECT);
        }
        images->Draw(canvas, box.left, box.top, image_index_, enabled_);
    } else if (checked_) {
        draw_check(canvas, box, radio_item_, text_color);
    }

    Rect text = {box.right + 6, rect.top, rect.right - 4, rect.bottom};
    UINT align = DT_LEFT;
    if (auto* popup = dynamic_cast<TPopupMenu*>(menu))
        align = popup->Alignment() == paRight ? DT_RIGHT : popup->Alignment() == paCenter ? DT_CENTER : DT_LEFT;
    canvas.DrawText(caption_, text, align | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
    if (std::string shortcut = ShortCutToText(shortcut_); !shortcut.empty()) {
        Rect keys = {box.right + 6, rect.top, rect.right - 10, rect.bottom};
        canvas.DrawText(shortcut, keys, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(this);
    HWND owner = popup_owner(*this);
    UINT flags = TPM_RIGHTBUTTON | TPM_RETURNCMD | popup_alignment_flags(alignment_);
    UINT command = UINT(TrackPopupMenuEx(Handle(), flags, x, y, owner, nullptr));
    if (TMenuItem* item = command ? FindItem(command, fkCommand) : nullptr) item->Click();
}

bool DispatchMenuMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_COMMAND: {
        if (m.LParam != 0 || HIWORD(m.WParam) != 0) return false;  // a control's notification or an accelerator
        TMenuItem* item = TMenu::FindMenuItem(LOWORD(m.WParam), fkCommand);
        if (!item) return false;
        item->Click();
        m.Result = 0;
        return true;
    }
    case WM_INITMENUPOPUP: {
        // A drop-down opens: its item's OnClick may bring the sub-items up to date.
        TMenuItem* item = TMenu::FindMenuItem(UINT_PTR(m.WParam), fkHandle);
        if (!item) return false;
        item->Click();
        m.Result = 0;
        return true;
    }
    case WM_MEASUREITEM: {
        auto* request = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        if (request->CtlType != ODT_MENU) return false;
        TMenuItem* item = TMenu::FindMenuItem(request->itemID, fkCommand);
        if (!item) return false;
        measure_item(*request, *item, request->itemWidth, request->itemHeight);
        m.Result = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        auto* request = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
        if (request->CtlType != ODT_MENU) return false;
        TMenuItem* item = TMenu::FindMenuItem(request->itemID, fkCommand);
        if (!item) return false;
        draw_item(*request, *item);
        m.Result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

}  // namespace korvane
