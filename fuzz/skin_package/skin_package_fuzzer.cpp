// Any package is loaded or refused without reading out of bounds, and the
// members of a loaded one can all be taken out. The input is tried both as a
// package and as the archive inside one (which the decoder would rarely
// produce from random code bits), wrapped as literals: no match search, so
// the wrapping costs little next to the loading.
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/data/lzh.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_reader_notice.h"
#include "skinpack/lzh_encoder.h"

namespace {

void Load(std::span<const std::uint8_t> package) {
    using namespace korvane;
    TSkinReader reader;
    try {
        if (!reader.LoadPackage(package)) return;
    } catch (const ElzhException&) {
        return;
    }
    std::vector<std::uint8_t> member;
    const auto& names = reader.names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        reader.GetMember(names[i], member);
        // The first member of that name answers; an empty name finds nothing.
        std::size_t first = 0;
        while (names[first] != names[i]) ++first;
        const std::size_t expected = names[i].empty() ? 0 : std::size_t(reader.sizes()[first]);
        if (member.size() != expected) std::abort();
    }
    std::string found;
    reader.FindMember(".ini", member, found);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = (korvane::SetSkinNoticeSink(nullptr), true);
    (void)quiet;
    const std::span<const std::uint8_t> bytes(data, size);
    Load(bytes);
    Load(korvane::StoreLzh(bytes));
    return 0;
}
