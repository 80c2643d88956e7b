#include <algorithm>
#include <cstddef>

#include "base/byte_reader.h"
#include "skin/data/lzh.h"
#include "skinpack/cli.h"
#include "skinpack/file_io.h"

namespace korvane::skinpack {

// lzh-expand IN OUT: the bytes a raw LZHUF stream stands for.
void LzhExpand(Args args, std::ostream&) {
    if (args.size() != 2) throw UsageError("lzh-expand needs an input and an output file");
    const auto stream = ReadFile(args[0]);
    auto bytes = ExpandLzhStream(stream);
    // The decoder finishes its last match even past the size field; those bytes are not data.
    const std::int32_t size = ByteReader(stream).i32le();
    bytes.resize(std::min(bytes.size(), std::size_t(std::max(size, 0))));
    WriteFile(args[1], bytes);
}

}  // namespace korvane::skinpack
