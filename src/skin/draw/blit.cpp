#include "skin/draw/blit.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace korvane {
namespace {

constexpr int kOutside = -1;

// For one axis: the destination coordinates that lie inside the target,
// starting at `first`, and for each the source coordinate it takes
// (kOutside when that lies outside the source). Coordinates are 64-bit while
// computed, so that any rectangle an int can describe maps without overflow.
struct AxisMap {
    int first = 0;
    std::vector<int> source;
};

// The destination coordinates [to_begin, to_end) that lie in [0, extent),
// with i0 = the first one's distance from to_begin.
struct VisibleSpan {
    std::int64_t begin;
    std::int64_t end;
    std::int64_t i0;
};

std::optional<VisibleSpan> visible(std::int64_t to_begin, std::int64_t to_end, int extent) {
    const std::int64_t begin = std::max<std::int64_t>(to_begin, 0);
    const std::int64_t end = std::min<std::int64_t>(to_end, extent);
    if (begin >= end) return std::nullopt;
    return VisibleSpan{begin, end, begin - to_begin};
}

AxisMap start_map(const VisibleSpan& span) {
    AxisMap map;
    map.first = int(span.begin);
    map.source.reserve(std::size_t(span.end - span.begin));
    return map;
}

int inside_or_outside(std::int64_t s, int source_extent) {
    return s >= 0 && s < source_extent ? int(s) : kOutside;
}

// The stretching rule of blit.h for one axis, floor(i * from / to) stepped
// without a division per coordinate.
AxisMap stretch_axis(int to_begin, int to_end, int target_extent, int from_begin, int from_end,
                     int source_extent) {
    const std::int64_t to_length = std::int64_t(to_end) - to_begin;
    const std::int64_t from_length = std::int64_t(from_end) - from_begin;
    if (to_length <= 0 || from_length <= 0) return {};
    const auto span = visible(to_begin, to_end, target_extent);
    if (!span) return {};
    AxisMap map = start_map(*span);
    const std::int64_t whole_step = from_length / to_length;
    const std::int64_t part_step = from_length % to_length;
    std::int64_t quotient = span->i0 * from_length / to_length;
    std::int64_t remainder = span->i0 * from_length % to_length;
    for (std::int64_t d = span->begin; d < span->end; ++d) {
        map.source.push_back(inside_or_outside(from_begin + quotient, source_extent));
        quotient += whole_step;
        remainder += part_step;
        if (remainder >= to_length) {
            ++quotient;
            remainder -= to_length;
        }
    }
    return map;
}

// Whole tiles from to_begin until the one that reaches to_end or past it.
AxisMap tile_axis(int to_begin, int to_end, int target_extent, int from_begin, int from_end,
                  int source_extent) {
    const std::int64_t to_length = std::int64_t(to_end) - to_begin;
    const std::int64_t tile = std::int64_t(from_end) - from_begin;
    if (to_length <= 0 || tile <= 0) return {};
    const std::int64_t covered = (to_length + tile - 1) / tile * tile;
    const auto span = visible(to_begin, to_begin + covered, target_extent);
    if (!span) return {};
    AxisMap map = start_map(*span);
    std::int64_t offset = span->i0 % tile;
    for (std::int64_t d = span->begin; d < span->end; ++d) {
        map.source.push_back(inside_or_outside(from_begin + offset, source_extent));
        if (++offset == tile) offset = 0;
    }
    return map;
}

// How one destination row is filled from its source row, worked out once per
// call from the column map; the plainer shapes copy faster.
class RowPlan {
public:
    explicit RowPlan(const AxisMap& columns) : columns_(columns) {
        const std::vector<int>& source = columns.source;
        for (std::size_t i = 0; i < source.size(); ++i) {
            if (source[i] == kOutside) {
                shape_ = Shape::kClipped;
                return;
            }
            if (source[i] != source.front() + int(i)) shape_ = Shape::kGather;
        }
        if (shape_ == Shape::kStraight) return;
        // Growing repeats each source pixel: filling runs beats one read per pixel.
        for (std::size_t i = 0; i < source.size(); ++i) {
            if (runs_.empty() || runs_.back().source != source[i])
                runs_.push_back({source[i], 0});
            ++runs_.back().length;
        }
        if (source.size() >= 4 * runs_.size()) shape_ = Shape::kRuns;
    }

    // True when every column of the row gets a pixel (no key, no clipping).
    bool fills_row(bool keyed) const { return !keyed && shape_ != Shape::kClipped; }

    void copy(const Pixel* from, Pixel* to, std::optional<std::uint32_t> key_rgb) const {
        const int* map = columns_.source.data();
        const std::size_t count = columns_.source.size();
        switch (shape_) {
        case Shape::kStraight: {
            const Pixel* run = from + map[0];
            put(to, count, [run](std::size_t i) { return run[i]; }, key_rgb);
            break;
        }
        case Shape::kRuns:
            for (const Run& run : runs_) {
                const Pixel p = from[run.source];
                if (!key_rgb || rgb_of(p) != *key_rgb) std::fill_n(to, run.length, p);
                to += run.length;
            }
            break;
        case Shape::kGather:
            put(to, count, [from, map](std::size_t i) { return from[map[i]]; }, key_rgb);
            break;
        case Shape::kClipped:
            for (std::size_t i = 0; i < count; ++i) {
                if (map[i] == kOutside) continue;
                const Pixel p = from[map[i]];
                if (!key_rgb || rgb_of(p) != *key_rgb) to[i] = p;
            }
            break;
        }
    }

private:
    enum class Shape {
        kStraight,  // consecutive source columns
        kRuns,      // each source column repeated several times
        kGather,    // any source columns, all inside
        kClipped,   // some columns have no source pixel
    };
    struct Run {
        int source;
        int length;
    };

    // Writes count pixels from source_at(i); with a key, target pixels stay
    // where the source has the key's colour. A select, so that it vectorises.
    template <class SourceAt>
    static void put(Pixel* to, std::size_t count, SourceAt source_at,
                    std::optional<std::uint32_t> key_rgb) {
        if (!key_rgb) {
            for (std::size_t i = 0; i < count; ++i) to[i] = source_at(i);
            return;
        }
        const std::uint32_t key = *key_rgb;
        for (std::size_t i = 0; i < count; ++i) {
            const Pixel p = source_at(i);
            to[i] = rgb_of(p) == key ? to[i] : p;
        }
    }

    const AxisMap& columns_;
    Shape shape_ = Shape::kStraight;
    std::vector<Run> runs_;
};

void copy_mapped(MutableImageView target, ImageView source, const AxisMap& columns,
                 const AxisMap& rows, std::optional<std::uint32_t> key_rgb) {
    if (columns.source.empty() || rows.source.empty()) return;
    const RowPlan plan(columns);
    const bool reuse_rows = plan.fills_row(key_rgb.has_value());
    const std::size_t count = columns.source.size();
    for (std::size_t j = 0; j < rows.source.size(); ++j) {
        if (rows.source[j] == kOutside) continue;
        Pixel* to = target.row(rows.first + int(j)) + columns.first;
        // A row repeated by stretching is a copy of the one just written.
        if (reuse_rows && j > 0 && rows.source[j] == rows.source[j - 1]) {
            std::copy_n(target.row(rows.first + int(j) - 1) + columns.first, count, to);
            continue;
        }
        plan.copy(source.row(rows.source[j]), to, key_rgb);
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
