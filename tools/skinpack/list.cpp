#include <ostream>

#include "base/strings.h"
#include "skinpack/cli.h"
#include "skinpack/open_package.h"

namespace korvane::skinpack {

// list PACKAGE: one line per member, its name, a tab and its size.
void List(Args args, std::ostream& out) {
    if (args.size() != 1) throw UsageError("list needs one package");
    const TSkinReader reader = OpenPackage(args[0]);
    for (int i = 0; i < reader.count(); ++i)
        out << printable(reader.names()[std::size_t(i)]) << '\t' << reader.sizes()[std::size_t(i)] << '\n';
}

}  // namespace korvane::skinpack
