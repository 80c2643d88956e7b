// Any text parses, and every listed section can be read.
#include <string_view>

#include "base/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korvane::IniFile ini(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& section : ini.sections()) {
        ini.read_integer(section, "Frame", 0);
        ini.read_string(section, "Image", "");
    }
    return 0;
}
