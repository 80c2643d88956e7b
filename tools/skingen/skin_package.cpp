#include "skin_package.h"

#include "base/bmp.h"
#include "definition.h"
#include "skin_art.h"

namespace korvane::skingen {

std::vector<ArchiveMember> skin_members(Theme theme) {
    std::vector<ArchiveMember> members;
    const std::string definition = skin_definition(theme);
    members.push_back({kDefinitionName, {definition.begin(), definition.end()}});
    for (SkinBitmap& bitmap : draw_skin_bitmaps()) {
        for (int y = 0; y < bitmap.image.height(); ++y)
            for (int x = 0; x < bitmap.image.width(); ++x)
                bitmap.image.at(x, y) = Recolour(theme, bitmap.image.at(x, y));
        members.push_back({bitmap.name, encode_bmp(bitmap.image)});
    }
    return members;
}

std::vector<std::uint8_t> skin_package(Theme theme) { return PackSkin(skin_members(theme)); }

}  // namespace korvane::skingen
