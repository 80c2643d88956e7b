// Stored layouts from outside bytes: reading either succeeds or fails with an
// Error, and whatever was read writes back to a text that reads to the same text.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/core/layout_reader.h"
#include "framework/core/layout_writer.h"
#include "framework/core/sample_components.h"
#include "skin/data/skin_store.h"

using namespace korvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = [] {
        sample::RegisterSampleClasses();
        RegisterComponentClass<TSkinStore>();
        return true;
    }();
    (void)registered;
    sample::sample_log().clear();

    std::string text(reinterpret_cast<const char*>(data), size);
    std::string written;
    try {
        written = WriteLayout(*CreateFromLayout(text));
    } catch (const Error&) {
        return 0;
    }
    if (WriteLayout(*CreateFromLayout(written)) != written) std::abort();
    return 0;
}
