#include "skinpack/cli.h"
#include "skinpack/file_io.h"
#include "skinpack/lzh_encoder.h"

namespace korvane::skinpack {

// lzh-compress IN OUT: a raw LZHUF stream (size field and code) of IN.
void LzhCompress(Args args, std::ostream&) {
    if (args.size() != 2) throw UsageError("lzh-compress needs an input and an output file");
    WriteFile(args[1], CompressLzh(ReadFile(args[0])));
}

}  // namespace korvane::skinpack
