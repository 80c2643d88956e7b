#include "skin/data/skin_images.h"

#include <vector>

#include "base/bmp.h"
#include "base/error.h"
#include "base/strings.h"

namespace korvane {

SkinImages::SkinImages(const SkinMemberLookup& members, std::int64_t pixel_budget)
    : members_(members), pixels_left_(pixel_budget) {}

Image SkinImages::Fetch(std::string_view value) {
    const std::string_view file_name = value.substr(value.find_last_of("\\/:") + 1);
    const std::size_t dot = file_name.rfind('.');
    if (file_name.empty() || dot == std::string_view::npos || file_name.substr(dot) != ".bmp")
        return Image();
    // Member names are compared in lower case: FRAME.bmp and frame.bmp are one member.
    auto [entry, is_new] = decoded_.try_emplace(ascii_lower(file_name));
    Image& image = entry->second;
    if (is_new) {
        const std::vector<std::uint8_t> bytes = members_(file_name);
        try {
            // An image larger than what is left is refused before it is allocated.
            if (!bytes.empty()) image = decode_bmp(bytes, pixels_left_);
        } catch (const DecodeError&) {
        }
    }
    const std::int64_t pixels = std::int64_t(image.width()) * image.height();
    if (image.empty() || pixels > pixels_left_) return Image();
    pixels_left_ -= pixels;
    return image;
}

}  // namespace korvane
