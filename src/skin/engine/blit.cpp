#include "skin/engine/blit.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace korvane {
namespace {

constexpr int kOutside = -1;

// For one axis: the destination coordinates that lie inside the target, and
// for each the source coordinate it takes (kOutside when that lies outside
// the source). Coordinates are 64-bit while computed, so that any rectangle
// an int can describe maps without overflow.
struct AxisMap {
    int first = 0;
    std::vector<int> source;

    // True when the source coordinates are consecutive and all inside.
    bool is_straight_run() const {
        if (source.empty() || source.front() == kOutside) return false;
        for (std::size_t i = 1; i < source.size(); ++i)
            if (source[i] != source.front() + int(i)) return false;
        return true;
    }
};

template <class SourceOf>
AxisMap map_axis(std::int64_t to_begin, std::int64_t to_end, int target_extent, int source_extent,
                 SourceOf source_of) {
    AxisMap map;
    const std::int64_t begin = std::max<std::int64_t>(to_begin, 0);
    const std::int64_t end = std::min<std::int64_t>(to_end, target_extent);
    if (begin >= end) return map;
    map.first = int(begin);
    map.source.reserve(std::size_t(end - begin));
    for (std::int64_t d = begin; d < end; ++d) {
        const std::int64_t s = source_of(d - to_begin);
        map.source.push_back(s >= 0 && s < source_extent ? int(s) : kOutside);
    }
    return map;
}

// The stretching rule of blit.h for one axis.
AxisMap stretch_axis(int to_begin, int to_end, int target_extent, int from_begin, int from_end,
                     int source_extent) {
    const std::int64_t to_length = std::int64_t(to_end) - to_begin;
    const std::int64_t from_length = std::int64_t(from_end) - from_begin;
    if (to_length <= 0 || from_length <= 0) return {};
    return map_axis(to_begin, to_end, target_extent, source_extent, [&](std::int64_t i) {
        return from_begin + i * from_length / to_length;
    });
}

// Whole tiles from to_begin until the one that reaches to_end or past it.
AxisMap tile_axis(int to_begin, int to_end, int target_extent, int from_begin, int from_end,
                  int source_extent) {
    const std::int64_t to_length = std::int64_t(to_end) - to_begin;
    const std::int64_t tile = std::int64_t(from_end) - from_begin;
    if (to_length <= 0 || tile <= 0) return {};
    const std::int64_t covered = (to_length + tile - 1) / tile * tile;
    return map_axis(to_begin, to_begin + covered, target_extent, source_extent,
                    [&](std::int64_t i) { return from_begin + i % tile; });
}

void copy_mapped(MutableImageView target, ImageView source, const AxisMap& columns,
                 const AxisMap& rows, std::optional<std::uint32_t> key_rgb) {
    if (columns.source.empty() || rows.source.empty()) return;
    const bool straight = !key_rgb && columns.is_straight_run();
    const std::size_t count = columns.source.size();
    for (std::size_t j = 0; j < rows.source.size(); ++j) {
        if (rows.source[j] == kOutside) continue;
        const Pixel* from = source.row(rows.source[j]);
        Pixel* to = target.row(rows.first + int(j)) + columns.first;
        if (straight) {
            std::copy_n(from + columns.source.front(), count, to);
            continue;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const int x = columns.source[i];
            if (x == kOutside) continue;
            const Pixel p = from[x];
            if (key_rgb && rgb_of(p) == *key_rgb) continue;
            to[i] = p;
        }
    }
}

void stretch(MutableImageView target, const Rect& to, ImageView source, const Rect& from,
             std::optional<std::uint32_t> key_rgb) {
    const AxisMap columns =
        stretch_axis(to.left, to.right, target.width(), from.left, from.right, source.width());
    if (columns.source.empty()) return;
    const AxisMap rows =
        stretch_axis(to.top, to.bottom, target.height(), from.top, from.bottom, source.height());
    copy_mapped(target, source, columns, rows, key_rgb);
}

}  // namespace

void StretchBlit(MutableImageView target, const Rect& to, ImageView source, const Rect& from) {
    stretch(target, to, source, from, std::nullopt);
}

void StretchBlitTransparent(MutableImageView target, const Rect& to, ImageView source,
                            const Rect& from, Color key) {
    stretch(target, to, source, from, rgb_of(to_pixel(key)));
}

void DrawTransparent(MutableImageView target, const Rect& rect, ImageView bitmap, Color key) {
    if (rect.is_empty()) return;
    // Only the part of the bitmap that the rect can show is ever read.
    const auto extent = [](int begin, int end) {
        return int(std::min<std::int64_t>(std::int64_t(end) - begin, INT32_MAX));
    };
    const Rect top_left{0, 0, extent(rect.left, rect.right), extent(rect.top, rect.bottom)};
    StretchBlitTransparent(target, rect, bitmap, top_left, key);
}

void TileRect(MutableImageView target, const Rect& rect, ImageView source, const Rect& source_rect) {
    const AxisMap columns = tile_axis(rect.left, rect.right, target.width(), source_rect.left,
                                      source_rect.right, source.width());
    if (columns.source.empty()) return;
    const AxisMap rows = tile_axis(rect.top, rect.bottom, target.height(), source_rect.top,
                                   source_rect.bottom, source.height());
    copy_mapped(target, source, columns, rows, std::nullopt);
}

}  // namespace korvane
