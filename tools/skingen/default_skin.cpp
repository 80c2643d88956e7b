#include "default_skin.h"

#include "base/bmp.h"
#include "definition.h"
#include "skin_art.h"

namespace korvane::skingen {

std::vector<ArchiveMember> default_skin_members() {
    std::vector<ArchiveMember> members;
    const std::string definition = default_skin_definition();
    members.push_back({kDefinitionName, {definition.begin(), definition.end()}});
    for (const SkinBitmap& bitmap : draw_skin_bitmaps())
        members.push_back({bitmap.name, encode_bmp(bitmap.image)});
    return members;
}

std::vector<std::uint8_t> default_skin_package() { return PackSkin(default_skin_members()); }

}  // namespace korvane::skingen
