// fontgen BDF OUTDIR: writes OUTDIR/ASC16 and OUTDIR/HZK16 from a Unifont BDF.

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "base/error.h"
#include "base/file_io.h"
#include "tables.h"

int main(int argc, char** argv) {
    using namespace korvane;
    if (argc != 3) {
        std::fprintf(stderr, "usage: fontgen UNIFONT.bdf OUTDIR\n");
        return 2;
    }
    try {
        std::ifstream bdf(argv[1]);
        if (!bdf) throw Error(std::string("cannot open ") + argv[1]);
        auto font = fontgen::read_bdf(bdf);
        std::string out = argv[2];
        write_file_replacing(out + "/ASC16", fontgen::build_asc16(font));
        write_file_replacing(out + "/HZK16", fontgen::build_hzk16(font));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fontgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
