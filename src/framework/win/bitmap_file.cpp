#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/bmp.h"
#include "base/file_io.h"
#include "framework/core/properties.h"
#include "framework/win/bitmap.h"

namespace korvane {

const PropertyTable& TBitmap::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TBitmap>(TPersistent::Properties())
            .binary(
                "Data", [](const TBitmap& b) { return encode_bmp(b.View()); },
                [](TBitmap& b, std::span<const std::uint8_t> bytes) { b.SetImage(decode_bmp(bytes).view()); })
            .stored_if([](const TBitmap& b) { return !b.Empty() && !b.Monochrome(); })
            .build();
    return table;
}

void TBitmap::LoadFromFile(const std::string& path) {
    std::string bytes = read_file(path);
    SetImage(decode_bmp(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())).view());
}

void TBitmap::SaveToFile(const std::string& path) const { write_file_replacing(path, encode_bmp(View())); }

}  // namespace korvane
