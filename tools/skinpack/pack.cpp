#include <vector>

#include "skinpack/archive_writer.h"
#include "skinpack/cli.h"
#include "skinpack/file_io.h"

namespace korvane::skinpack {

// pack -o OUT FILE...: members named by file name, in the order given.
void Pack(Args args, std::ostream&) {
    if (args.size() < 3 || args[0] != "-o") throw UsageError("pack needs -o OUT and at least one file");
    std::vector<ArchiveMember> members;
    for (const std::string& file : args.subspan(2)) {
        members.push_back({Utf8FromPath(PathFromUtf8(file).filename()), ReadFile(file)});
    }
    WriteFile(args[1], PackSkin(members));
}

}  // namespace korvane::skinpack
