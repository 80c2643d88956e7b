#pragma once
// The images a skin definition names, taken from the package's members. Each
// member is decoded at most once however many keys name it, and the images a
// skin holds together stay within kMaxSkinPixels.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "base/image.h"
#include "skin/data/skin_model.h"

namespace korvane {

class SkinImages {
public:
    // members and the definition's members outlive this object.
    explicit SkinImages(const SkinMemberLookup& members, std::int64_t pixel_budget = kMaxSkinPixels);

    // The bitmap an image key names: the member of the value's file-name
    // part, taken only when its extension is exactly ".bmp". Anything else, a
    // missing or empty member, one that is not a valid bitmap, or one that no
    // longer fits in the budget gives an empty image. Every image handed out
    // is charged to the budget, a repeated one as often as it is handed out.
    // `refusal`, when given, says why an image is empty.
    Image Fetch(std::string_view value, std::string_view* refusal = nullptr);

    std::int64_t pixels_left() const { return pixels_left_; }

private:
    const SkinMemberLookup& members_;
    std::int64_t pixels_left_;
    struct Decoded {
        Image image;  // empty for a member that gave none
        std::string_view refusal;
    };
    // By member file name in lower case.
    std::unordered_map<std::string, Decoded> decoded_;
};

}  // namespace korvane
