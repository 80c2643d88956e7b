#include "base/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace korvane {

int finish_standard_output(const char* program, int exit_code) {
    errno = 0;
    std::cout.flush();
    bool lost = std::cout.fail();
    // Some systems report a failed write only when the file is closed.
    lost = std::fflush(stdout) != 0 || lost;
    lost = std::ferror(stdout) != 0 || lost;
    lost = std::fclose(stdout) != 0 || lost;
    if (!lost) return exit_code;
    const int error = errno;
    std::fprintf(stderr, "%s: cannot write standard output: %s\n", program,
                 error ? std::strerror(error) : "output lost");
    return 1;
}

}  // namespace korvane
