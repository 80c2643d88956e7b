#include <filesystem>
#include <set>
#include <vector>

#include "skinpack/cli.h"
#include "skinpack/file_io.h"
#include "skinpack/open_package.h"

namespace korvane::skinpack {

namespace {

// Member names come from outside: only a plain file name may become a file in DIR.
bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == '/' || c == '\\' || c == ':') return false;
    return true;
}

}  // namespace

// unpack PACKAGE DIR: every member becomes a file of its (lower-case) name in DIR.
void Unpack(Args args, std::ostream&) {
    if (args.size() != 2) throw UsageError("unpack needs a package and a directory");
    const TSkinReader reader = OpenPackage(args[0]);
    std::set<std::string> seen;
    for (const std::string& name : reader.names()) {
        if (!IsPlainFileName(name))
            throw Error("member name \"" + name + "\" is not a plain file name");
        if (!seen.insert(name).second) throw Error("member name \"" + name + "\" appears twice");
    }
    const auto dir = PathFromUtf8(args[1]);
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) throw Error("cannot create \"" + args[1] + "\": " + error.message());
    std::vector<std::uint8_t> bytes;
    for (const std::string& name : reader.names()) {
        reader.GetMember(name, bytes);
        WriteFile(Utf8FromPath(dir / PathFromUtf8(name)), bytes);
    }
}

}  // namespace korvane::skinpack
