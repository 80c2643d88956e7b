#pragma once
// The end of a command-line program: what it wrote to standard output must
// have arrived (a full disk or a closed pipe loses it silently otherwise).

namespace korvane {

// Flushes std::cout and standard output and closes standard output. When any
// of it could not be written, says "<program>: cannot write standard output:
// <reason>" on standard error and returns 1; otherwise returns exit_code.
int finish_standard_output(const char* program, int exit_code);

}  // namespace korvane
