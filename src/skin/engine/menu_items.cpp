// TWinSkinForm: measuring and drawing the items of skinned drop-down and
// context menus, and switching a form's popup menus to this drawing.
#include <algorithm>
#include <string>

#include "base/win32_text.h"
#include "framework/win/imglist.h"
#include "framework/win/menus.h"
#include "skin/draw/drawing.h"
#include "skin/draw/menu_layout.h"
#include "skin/engine/popup_menu.h"
#include "skin/engine/win_skin_form.h"

namespace korvane {
namespace {

constexpr int kGlyphBox = 16;

bool old_consumer_platform() { return (GetVersion() & 0x80000000u) != 0; }

TWinSkinForm::ItemContent facts_of(TMenuItem& item) {
    TWinSkinForm::ItemContent f;
    f.caption = widen(item.Caption());
    f.shortcut = widen(ShortCutToText(item.ShortCut()));
    f.separator = item.IsLine();
    f.enabled = item.Enabled();
    f.checked = item.Checked();
    f.radio = item.RadioItem();
    f.is_default = item.Default();
    TMenu* menu = item.GetParentMenu();
    f.images = menu ? menu->Images() : nullptr;
    f.image_index = item.ImageIndex();
    if (auto* popup = dynamic_cast<TPopupMenu*>(menu))
        f.align = popup->Alignment() == paRight ? DT_RIGHT : popup->Alignment() == paCenter ? DT_CENTER : DT_LEFT;
    return f;
}

std::wstring menu_string(HMENU menu, UINT id) {
    wchar_t buffer[81] = {};
    const int n = GetMenuStringW(menu, id, buffer, 81, MF_BYCOMMAND);
    return std::wstring(buffer, std::size_t(std::clamp(n, 0, 80)));
}

TWinSkinForm::ItemContent facts_of(HMENU menu, UINT id) {
    TWinSkinForm::ItemContent f;
    f.caption = menu_string(menu, id);
    if (f.caption.empty()) f.caption = L"-";
    f.separator = f.caption == L"-";
    const UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
    if (state != UINT(-1)) {
        f.enabled = !(state & (MF_GRAYED | MF_DISABLED));
        f.checked = (state & MF_CHECKED) != 0;
    }
    return f;
}

int text_width(HDC dc, const std::wstring& text) {
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    return r.right - r.left;
}

// The system's check mark or bullet, black on the item, centred in the box.
void draw_check_mark(HDC dc, const Rect& box, bool radio) {
    const int cx = GetSystemMetrics(SM_CXMENUCHECK), cy = GetSystemMetrics(SM_CYMENUCHECK);
    HDC mask_dc = CreateCompatibleDC(dc);
    UniqueGdi<HBITMAP> mask(CreateBitmap(cx, cy, 1, 1, nullptr));
    if (!mask_dc || !mask) {
        if (mask_dc) DeleteDC(mask_dc);
        return;
    }
    {
        SelectGuard select(mask_dc, mask.get());
        RECT r{0, 0, cx, cy};
        DrawFrameControl(mask_dc, &r, DFC_MENU, radio ? DFCS_MENUBULLET : DFCS_MENUCHECK);
        const COLORREF old_text = SetTextColor(dc, ColorToRGB(clBtnText));
        const COLORREF old_back = SetBkColor(dc, RGB(255, 255, 255));
        const int x = box.left + (box.width() - cx) / 2 + 1, y = box.top + (box.height() - cy) / 2 + 1;
        BitBlt(dc, x, y, cx, cy, mask_dc, 0, 0, SRCAND);  // white leaves the item as it is
        SetTextColor(dc, old_text);
        SetBkColor(dc, old_back);
    }
    DeleteDC(mask_dc);
}

// The framework's checkered box behind the image of a checked item.
void draw_checkered(TBitmap& target, const Rect& box) {
    const Pixel face = to_pixel(ColorToRGB(clBtnFace)), light = to_pixel(ColorToRGB(clBtnHighlight));
    MutableImageView v = target.MutableView();
    for (int y = std::max(box.top, 0); y < std::min(box.bottom, target.Height()); ++y)
        for (int x = std::max(box.left, 0); x < std::min(box.right, target.Width()); ++x)
            v.at(x, y) = ((x + y) & 1) ? light : face;
}

}  // namespace

void TWinSkinForm::DrawMenuItemText(HDC dc, UINT format, bool selected, RECT& rect, const std::wstring& text,
                                    bool separator, bool enabled, bool is_default) {
    const bool measuring = (format & DT_CALCRECT) != 0;
    std::wstring shown = text;
    if (measuring && (shown.empty() || shown == L"&")) shown += L' ';
    if (separator) {
        if (!measuring) {
            RECT line = rect;
            OffsetRect(&line, 0, 4);
            DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        }
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    UniqueGdi<HFONT> bold;
    if (is_default) {
        LOGFONTW font{};
        if (GetObjectW(MenuFont.get() ? MenuFont.get() : GetCurrentObject(dc, OBJ_FONT), sizeof font, &font)) {
            font.lfWeight = FW_BOLD;
            bold.reset(CreateFontIndirectW(&font));
        }
    }
    SelectGuard font(dc, bold.get());
    const SkinColours& c = SkinData->Colours();
    Color color = selected ? c.HilightText : c.MenuText;
    if (!enabled) color = c.ButtonShadow == c.MenuText ? Color(clBtnShadow) : c.ButtonShadow;
    SetTextColor(dc, ColorToRGB(color));
    DrawTextW(dc, shown.c_str(), int(shown.size()), &rect, format);
}

void TWinSkinForm::DrawMenuItemContent(TBitmap& target, const Rect& r, bool selected, const ItemContent& item) {
    HDC dc = target.Canvas().Handle();
    SelectGuard font(dc, MenuFont.get());
    Rect box = item.separator ? Rect{} : Rect::from_size(r.left + 1, r.top + 1, kGlyphBox, kGlyphBox);
    const bool has_image = item.images && item.image_index >= 0 && item.image_index < item.images->Count();
    if (has_image) {
        if (item.checked) {
            draw_checkered(target, box);
            RECT edge = to_rect(box);
            DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
        }
        item.images->Draw(target.Canvas(), box.left, box.top, item.image_index, item.enabled);
    } else if (item.checked) {
        draw_check_mark(dc, box, item.radio);
    }
    RECT text{box.right + 3, r.top, r.right - 1, r.bottom};
    RECT measured = text;
    DrawMenuItemText(dc, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP, selected, measured, item.caption,
                     item.separator, item.enabled, item.is_default);
    const int shift = ((text.bottom - text.top) - (measured.bottom - measured.top)) / 2;
    RECT place{text.left, text.top + shift, text.right, text.bottom};
    DrawMenuItemText(dc, item.align | DT_SINGLELINE | DT_EXPANDTABS, selected, place, item.caption, item.separator,
                     item.enabled, item.is_default);
    if (!item.shortcut.empty() && !item.separator) {
        RECT keys{measured.right, text.top + shift, (r.right - 1) - 10, text.bottom};
        DrawMenuItemText(dc, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX, selected, keys, item.shortcut, false,
                         item.enabled, false);
    }
}

void TWinSkinForm::DrawMenuSeparator(HDC dc, const Rect& r) {
    const TDataSkinObject& element = *SkinData->Skin().MenuItem;
    const Image& image = element.Bitmap;
    const int w = r.width(), h = r.height(), fw = image.width() / 5;
    if (w <= 0 || h <= 0 || fw <= 0) return;
    const RowSpan rows = SeparatorRows(image.height(), h);
    TBitmap line;
    line.SetSize(w, h);
    MutableImageView v = line.MutableView();
    // Frame 2 of the strip: its left and right margins kept, its middle stretched.
    const int left = std::clamp(element.LeftWidth, 0, fw), right = std::clamp(element.RightWidth, 0, fw - left);
    const int middle_source = fw - left - right, middle = std::max(w - left - right, 0);
    for (int x = 0; x < w; ++x) {
        int sx;
        if (x < left) sx = x;
        else if (x >= w - right) sx = fw - (w - x);
        else sx = left + (middle_source > 0 && middle > 0 ? (x - left) * middle_source / middle : 0);
        sx = std::clamp(fw + sx, 0, image.width() - 1);
        for (int y = 0; y < h; ++y)
            v.at(x, y) = y < rows.height ? image.at(sx, rows.top + y) : kKeyRgb;
    }
    // Magenta is left out.
    const Rect placed = r;
    TBitmap under;
    under.SetSize(w, h);
    BitBlt(under.Canvas().Handle(), 0, 0, w, h, dc, placed.left, placed.top, SRCCOPY);
    MutableImageView u = under.MutableView();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!is_key(v.at(x, y))) u.at(x, y) = v.at(x, y);
    BitBlt(dc, placed.left, placed.top, w, h, under.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TWinSkinForm::DrawMenuItem(HDC dc, const Rect& r, bool selected, const ItemContent& item, HMENU background_menu,
                                bool separator_special) {
    const int w = r.width(), h = r.height();
    if (w <= 0 || h <= 0) return;
    TBitmap bitmap;
    bitmap.SetSize(w, h);
    const TDataSkinObject* element = SkinData->Skin().MenuItem.get();
    if (!element || element->Bitmap.empty()) {
        bitmap.Canvas().Brush().SetColor(selected ? SkinData->Colours().Hilight : SkinData->Colours().Menu);
        bitmap.Canvas().FillRect({0, 0, w, h});
        DrawMenuItemContent(bitmap, {0, 0, w, h}, selected, item);
        BitBlt(dc, r.left, r.top, w, h, bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
        return;
    }
    const TBitmap* background = FindPopupBackground(background_menu);
    if (background) {
        const Rect source = PopupBackgroundSource(r, {background->Width(), background->Height()});
        bitmap.Canvas().Brush().SetColor(SkinData->Colours().Menu);
        bitmap.Canvas().FillRect({0, 0, w, h});
        BitBlt(bitmap.Canvas().Handle(), 0, 0, source.width(), source.height(), background->Canvas().Handle(),
               source.left, source.top, SRCCOPY);
    } else {
        bitmap.Canvas().Brush().SetColor(SkinData->Colours().Menu);
        bitmap.Canvas().FillRect({0, 0, w, h});
    }
    if (separator_special && item.separator) {
        BitBlt(dc, r.left, r.top, w, h, bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
        DrawMenuSeparator(dc, r);
        return;
    }
    const Strip strip{element->Bitmap.view(), 5, false};
    DrawNineSlice(bitmap.MutableView(), {0, 0, w, h}, strip, selected ? 4 : 1,
                  {element->LeftWidth, element->TopHeight, element->RightWidth, element->BottomHeight},
                  element->Tile != 0, element->Trans != 0);
    DrawMenuItemContent(bitmap, {0, 0, w, h}, selected, item);
    BitBlt(dc, r.left, r.top, w, h, bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

bool TWinSkinForm::MeasureWindowMenuItem(MEASUREITEMSTRUCT& request) {
    if (request.CtlType != ODT_MENU || !MenuBar || !SkinData || SkinData->Empty()) return false;
    TMenuItem* item = MenuBar->Menu ? MenuBar->Menu->FindItem(request.itemID, fkCommand) : nullptr;
    // Items of the form's other menus measure through their own handlers.
    if (!item && TMenu::FindMenuItem(request.itemID, fkCommand)) return false;
    HDC screen = GetDC(nullptr);
    SelectGuard font(screen, MenuFont.get());
    std::wstring text;
    bool separator;
    if (item) {
        text = widen(item->Caption());
        if (item->ShortCut() != scNone) text += widen(ShortCutToText(item->ShortCut()));
        separator = item->IsLine();
    } else {
        text = menu_string(MenuBar->MenuHandle, request.itemID);
        for (const auto& entry : MenuBar->Items)
            if (entry->SubMenu && text.empty()) text = menu_string(entry->SubMenu, request.itemID);
        separator = text.empty();
    }
    const Size size = korvane::MeasureWindowMenuItem(text_width(screen, text), int(request.itemHeight), separator,
                                                     old_consumer_platform());
    ReleaseDC(nullptr, screen);
    request.itemWidth = UINT(size.width);
    request.itemHeight = UINT(size.height);
    return true;
}

bool TWinSkinForm::DrawWindowMenuItem(const DRAWITEMSTRUCT& request) {
    if (request.CtlType != ODT_MENU || !MenuBar || !SkinData || SkinData->Empty()) return false;
    TMenuItem* item = MenuBar->Menu ? MenuBar->Menu->FindItem(request.itemID, fkCommand) : nullptr;
    if (!item && TMenu::FindMenuItem(request.itemID, fkCommand)) return false;
    HMENU menu = reinterpret_cast<HMENU>(request.hwndItem);
    ResolvePendingPopup(menu);
    const bool selected = (request.itemState & ODS_SELECTED) != 0;
    const Rect r = from_rect(request.rcItem);
    if (item) {
        DrawMenuItem(request.hDC, r, selected, facts_of(*item),
                     item->Parent() ? item->Parent()->Handle() : menu, true);
        return true;
    }
    DrawMenuItem(request.hDC, r, selected, facts_of(menu, request.itemID),
                 menu, false);
    return true;
}

void TWinSkinForm::DrawFrameworkItem(TMenuItem& item, TCanvas& canvas, const Rect& r, bool selected) {
    if (!SkinData || SkinData->Empty()) {
        item.DrawItem(canvas, r, selected);
        return;
    }
    HDC dc = canvas.Handle();
    HMENU parent = item.Parent() ? item.Parent()->Handle() : nullptr;
    ResolvePendingPopup(parent);
    DrawMenuItem(dc, r, selected, facts_of(item),
                 parent, true);
}

void TWinSkinForm::SetPopupMenusOwnerDraw(bool on) {
    // Back first: every item gets the handlers it had, every menu its own switch.
    for (const SkinnedPopupItem& s : skinned_items_) {
        s.item->OnDrawItem = s.draw;
        s.item->OnMeasureItem = s.measure;
        s.item->RemoveFreeNotification(this);
    }
    skinned_items_.clear();
    for (const auto& [menu, owner_draw] : skinned_popups_) {
        menu->SetOwnerDraw(owner_draw);
        menu->RemoveFreeNotification(this);
    }
    skinned_popups_.clear();
    if (!on || !Form || !SkinData) return;
    const bool popups = SkinData->SkinControls().contains(xcPopupMenu);
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        auto* menu = dynamic_cast<TPopupMenu*>(Form->Components(i));
        if (!menu || !PopupMenuSkinned(popups, int(menu->Tag()), SkinData->DisableTag())) continue;
        skinned_popups_.emplace_back(menu, menu->OwnerDraw());
        menu->FreeNotification(this);
        menu->SetOwnerDraw(true);
        SkinPopupItems(menu->Items());
    }
}

void TWinSkinForm::SkinPopupItems(TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        SkinPopupItems(*item);
        // Tag 999 keeps the framework's drawing; an item with its own drawing keeps it.
        if (item->Tag() == kPlainItemTag || item->OnDrawItem) continue;
        skinned_items_.push_back({item, item->OnDrawItem, item->OnMeasureItem});
        item->FreeNotification(this);
        item->OnDrawItem = [this, item](TObject*, TCanvas& canvas, Rect rect, bool selected) {
            DrawFrameworkItem(*item, canvas, rect, selected);
        };
        if (!item->OnMeasureItem)
            item->OnMeasureItem = [item](TObject*, TCanvas&, int& width, int& height) {
                const Size size = MeasureFrameworkMenuItem({width, height}, item->IsLine(), old_consumer_platform());
                width = size.width;
                height = size.height;
            };
    }
}

}  // namespace korvane
