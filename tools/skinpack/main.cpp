// skinpack: makes, lists and takes apart skin packages; compresses and
// expands raw LZHUF streams.

#include <iostream>
#include <string>
#include <vector>

#include "base/standard_output.h"
#include "skinpack/cli.h"
#include "skinpack/file_io.h"

#ifdef _WIN32
// The wide command line, so file names outside the ANSI code page survive.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(korvane::skinpack::Utf8FromPath(std::filesystem::path(argv[i])));
    return korvane::finish_standard_output(
        "skinpack", korvane::skinpack::RunSkinpack(args, std::cout, std::cerr));
}
#else
int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return korvane::finish_standard_output(
        "skinpack", korvane::skinpack::RunSkinpack(args, std::cout, std::cerr));
}
#endif
