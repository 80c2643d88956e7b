#include "skin/draw/menu_layout.h"

#include <algorithm>

namespace korvane {

int MenuBarFirstX(bool has_element, int left_margin, int bar_width) {
    if (!has_element) return 6;
    const int x = left_margin + 4;
    return bar_width < x ? 12 : x;
}

std::vector<Rect> LayoutMenuBar(const Rect& bar, int first_x, std::span<const int> caption_widths) {
    std::vector<Rect> bounds;
    bounds.reserve(caption_widths.size());
    int x = first_x;
    for (int text : caption_widths) {
        const int width = std::max(text, 0) + kBarEntryPadding;
        bounds.push_back({bar.left + x, bar.top, bar.left + x + width, bar.bottom - 1});
        x += width;
    }
    return bounds;
}

std::optional<int> MenuBarEntryAt(std::span<const Rect> bounds, std::span<const bool> has_caption, Point p) {
    for (std::size_t i = 0; i < bounds.size() && i < has_caption.size(); ++i)
        if (has_caption[i] && bounds[i].contains(p)) return int(i);
    return std::nullopt;
}

Size MeasureWindowMenuItem(int text_width, int proposed_height, bool separator, bool old_consumer) {
    int height = separator ? 8 : proposed_height + 4;
    if (old_consumer) height += 4;
    return {text_width + 26, height};
}

Size MeasureFrameworkMenuItem(Size measured, bool separator, bool old_consumer) {
    return {measured.width + 28, measured.height + (old_consumer && !separator ? 4 : 0)};
}

std::optional<int> MenuSwitchTarget(MenuKey key, int current, int count, const MenuSelection& selection) {
    if (count <= 0) return std::nullopt;
    switch (key) {
        case MenuKey::Left:
            if (selection.none || selection.in_top_dropdown) return current <= 0 ? count - 1 : current - 1;
            return std::nullopt;
        case MenuKey::Right:
            if (selection.none || !selection.has_children) return current >= count - 1 ? 0 : current + 1;
            return std::nullopt;
        default: return std::nullopt;
    }
}

bool PopupMenuSkinned(bool popups_skinned, int menu_tag, int disable_tag) {
    return popups_skinned && menu_tag % 100 != disable_tag;
}

Rect PopupBackgroundSource(const Rect& item, Size image_size) {
    Rect source{item.left + kPopupBorder, item.top + kPopupBorder, item.right + kPopupBorder,
                item.bottom + kPopupBorder};
    source.left = std::clamp(source.left, 0, image_size.width);
    source.right = std::clamp(source.right, source.left, image_size.width);
    source.top = std::clamp(source.top, 0, image_size.height);
    source.bottom = std::clamp(source.bottom, source.top, image_size.height);
    return source;
}

RowSpan SeparatorRows(int image_height, int h) {
    if (h < image_height) return {image_height - h, h};
    return {0, std::max(image_height, 0)};
}

}  // namespace korvane
