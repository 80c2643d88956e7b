#include "convert/page_layout.h"

#include <limits>

namespace korvane {
namespace {

// count * pitch plus both margins, saturating.
std::uint64_t with_margins(std::uint64_t count, std::uint64_t pitch) {
    constexpr std::uint64_t kUnbounded = std::numeric_limits<std::uint64_t>::max();
    constexpr std::uint64_t kMargins = 2 * kPageMargin;
    return count > (kUnbounded - kMargins) / pitch ? kUnbounded : count * pitch + kMargins;
}

}  // namespace

PageSize page_size_for(std::uint64_t longest, std::uint64_t lines) {
    return {with_margins(longest, kCellWidth), with_margins(lines, kLinePitch)};
}

int progress_percent(std::size_t line, std::size_t count) {
    if (count < 2) return 100;
    std::uint64_t numerator = std::uint64_t(line) * 100, denominator = count - 1;
    std::uint64_t quotient = numerator / denominator, twice_rest = numerator % denominator * 2;
    if (twice_rest > denominator || (twice_rest == denominator && quotient % 2 == 1)) ++quotient;
    return int(quotient);
}

}  // namespace korvane
