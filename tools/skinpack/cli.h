#pragma once
// The skinpack command line: one function per subcommand, each in its own
// file, found by name in the table of cli.cpp.

#include <iosfwd>
#include <span>
#include <string>

#include "base/error.h"

namespace korvane::skinpack {

using Args = std::span<const std::string>;

// Wrong arguments: the usage is shown and the exit code is 2. Other errors
// (korvane::Error and its kinds) are bad input: exit code 1.
class UsageError : public Error {
public:
    using Error::Error;
};

// The subcommands. args holds what follows the subcommand's name; results go to out.
void Pack(Args args, std::ostream& out);
void Unpack(Args args, std::ostream& out);
void List(Args args, std::ostream& out);
void LzhCompress(Args args, std::ostream& out);
void LzhExpand(Args args, std::ostream& out);
void Info(Args args, std::ostream& out);
// Lists what the engine would ignore or clamp; an Error (exit 1) when anything.
void Check(Args args, std::ostream& out);

// Runs one command line (without the program name); returns the exit code.
int RunSkinpack(Args args, std::ostream& out, std::ostream& err);

}  // namespace korvane::skinpack
