// The whole skin load. The input is tried twice: as package bytes (a model, a
// refusal or a decoder error), and as a definition text whose image keys find
// a small valid bitmap under "strip.bmp" and the input itself under any other
// name. Never a crash, a hang or a read out of bounds.
#include <cstdlib>

#include "base/bmp.h"
#include "base/error.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_reader_notice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane;
    static const bool quiet = (SetSkinNoticeSink(nullptr), true);
    static const std::vector<std::uint8_t> strip = encode_bmp(Image(150, 20, pixel_rgb(255, 0, 255)));
    (void)quiet;

    try {
        std::optional<SkinModel> skin = LoadSkinPackage({data, size});
        if (skin && skin->Empty) std::abort();
    } catch (const Error&) {
    }

    const std::vector<std::uint8_t> input(data, data + size);
    SkinModel skin = ReadSkinDefinition(
        std::string_view(reinterpret_cast<const char*>(data), size),
        [&](std::string_view name) { return name == "strip.bmp" ? strip : input; });
    if (skin.Empty || skin.SysButtons.size() < 3) std::abort();
    return 0;
}
