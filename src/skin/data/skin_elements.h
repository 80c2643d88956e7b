#pragma once
// The loaders of the element records, one per kind of section of a skin
// definition. Each returns a finished record, its fixed frame count applied.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/ini.h"
#include "skin/data/skin_images.h"
#include "skin/data/skin_model.h"

namespace korvane {

struct SkinDefinitionSource {
    const IniFile& ini;
    SkinImages& images;
    const ImageKeyNotice* notice = nullptr;

    Image Bitmap(std::string_view section, std::string_view key) const {
        const std::string value = ini.read_string(section, key, "");
        std::string_view refusal;
        Image image = images.Fetch(value, &refusal);
        if (image.empty() && !value.empty() && notice && *notice) (*notice)(section, key, value, refusal);
        return image;
    }
};

// "Left", "Right", "Top" or "Bottom", from section "Personality".
TDataSkinBorder ReadFrameBorder(const SkinDefinitionSource& source, const std::string& name);
TDataSkinTitle ReadTitle(const SkinDefinitionSource& source);
std::vector<TDataSkinSysButton> ReadSysButtons(const SkinDefinitionSource& source);
TDataSkinButton ReadButtons(const SkinDefinitionSource& source, Color button_text);

// Null when the element's image key is empty.
std::unique_ptr<TDataSkinObject> ReadPlainElement(const SkinDefinitionSource& source,
                                                  const std::string& section,
                                                  std::int32_t frames, Color button_text);
std::unique_ptr<TDataSkinBorder> ReadTwoImageElement(const SkinDefinitionSource& source,
                                                     const std::string& section,
                                                     std::string_view second_image,
                                                     std::int32_t frames, Color button_text);
std::unique_ptr<TDataSkinBorder> ReadProgress(const SkinDefinitionSource& source);
std::unique_ptr<TDataSkinObject> ReadMenuBar(const SkinDefinitionSource& source);

}  // namespace korvane
