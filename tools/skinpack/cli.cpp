#include "skinpack/cli.h"

#include <exception>
#include <ostream>

namespace korvane::skinpack {

namespace {

struct Command {
    const char* name;
    const char* arguments;
    void (*run)(Args args, std::ostream& out);
};

constexpr Command kCommands[] = {
    {"pack", "-o OUT.skn FILE...", Pack},
    {"unpack", "PACKAGE DIR", Unpack},
    {"list", "PACKAGE", List},
    {"info", "PACKAGE", Info},
    {"check", "PACKAGE", Check},
    {"lzh-compress", "IN OUT", LzhCompress},
    {"lzh-expand", "IN OUT", LzhExpand},
};

void PrintUsage(std::ostream& out) {
    out << "usage:\n";
    for (const Command& command : kCommands)
        out << "  skinpack " << command.name << ' ' << command.arguments << '\n';
}

}  // namespace

int RunSkinpack(Args args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args[0] == "-h" || args[0] == "--help")) {
        PrintUsage(out);
        return 0;
    }
    try {
        if (args.empty()) throw UsageError("no command given");
        for (const Command& command : kCommands) {
            if (args[0] == command.name) {
                command.run(args.subspan(1), out);
                return 0;
            }
        }
        throw UsageError("unknown command \"" + args[0] + "\"");
    } catch (const UsageError& e) {
        err << "skinpack: " << e.what() << '\n';
        PrintUsage(err);
        return 2;
    } catch (const std::exception& e) {  // Error and the library's own (file system, memory)
        err << "skinpack: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace korvane::skinpack
