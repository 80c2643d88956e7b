#include "skin/data/skin_options.h"

#include "base/byte_reader.h"
#include "base/error.h"
#include "base/strings.h"

namespace korvane {

bool IsFormClassSkinned(std::string_view class_name, TSkinControlTypes controls) {
    if (class_name == "SysMonthCal32") return false;
    if (controls.contains(xcFastReport) && class_name.starts_with("Tfr")) return false;
    return true;
}

std::vector<std::uint8_t> WriteSkinStream(std::span<const std::uint8_t> package) {
    const auto count = std::uint32_t(package.size());
    std::vector<std::uint8_t> stream{std::uint8_t(count), std::uint8_t(count >> 8),
                                     std::uint8_t(count >> 16), std::uint8_t(count >> 24)};
    stream.insert(stream.end(), package.begin(), package.end());
    return stream;
}

std::span<const std::uint8_t> ReadSkinStream(std::span<const std::uint8_t> stream) {
    if (stream.size() < 4)
        throw Error(format("The skin stream holds %d bytes, too few for its byte count; the skin "
                           "is kept as it was",
                           int(stream.size())));
    ByteReader reader(stream);
    const std::int32_t count = reader.i32le();
    if (count < 0 || std::size_t(count) > reader.remaining())
        throw Error(format("The skin stream announces %d bytes of skin package but holds %d; the "
                           "skin is kept as it was",
                           int(count), int(reader.remaining())));
    return reader.bytes(std::size_t(count));
}

}  // namespace korvane
