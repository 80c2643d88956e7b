#include "skin/data/skin_images.h"

#include <vector>

#include "base/bmp.h"
#include "base/error.h"
#include "base/strings.h"

namespace korvane {

SkinImages::SkinImages(const SkinMemberLookup& members, std::int64_t pixel_budget)
    : members_(members), pixels_left_(pixel_budget) {}

Image SkinImages::Fetch(std::string_view value, std::string_view* refusal) {
    std::string_view unused;
    std::string_view& why = refusal ? *refusal : unused;
    const std::string_view file_name = value.substr(value.find_last_of("\\/:") + 1);
    const std::size_t dot = file_name.rfind('.');
    if (file_name.empty() || dot == std::string_view::npos || file_name.substr(dot) != ".bmp") {
        why = "names no \".bmp\" file";
        return Image();
    }
    // Member names are compared in lower case: FRAME.bmp and frame.bmp are one member.
    auto [entry, is_new] = decoded_.try_emplace(ascii_lower(file_name));
    Decoded& decoded = entry->second;
    if (is_new) {
        const std::vector<std::uint8_t> bytes = members_(file_name);
        try {
            // An image larger than what is left is refused before it is allocated.
            if (!bytes.empty()) decoded.image = decode_bmp(bytes, pixels_left_);
        } catch (const DecodeError&) {
        }
        if (bytes.empty())
            decoded.refusal = "names a member the package does not hold (or an empty one)";
        else if (decoded.image.empty())
            decoded.refusal = "names a member that is not a valid bitmap within the skin's pixel budget";
    }
    const Image& image = decoded.image;
    const std::int64_t pixels = std::int64_t(image.width()) * image.height();
    if (image.empty()) {
        why = decoded.refusal;
        return Image();
    }
    if (pixels > pixels_left_) {
        why = "names an image that no longer fits in the skin's pixel budget";
        return Image();
    }
    pixels_left_ -= pixels;
    return image;
}

}  // namespace korvane
