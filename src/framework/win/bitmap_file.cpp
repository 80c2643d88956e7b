#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/bmp.h"
#include "base/file_io.h"
#include "framework/win/bitmap.h"

namespace korvane {

void TBitmap::LoadFromFile(const std::string& path) {
    std::string bytes = read_file(path);
    Assign(decode_bmp(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())).view());
}

void TBitmap::SaveToFile(const std::string& path) const { write_file_replacing(path, encode_bmp(View())); }

}  // namespace korvane
