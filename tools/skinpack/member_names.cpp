#include "skinpack/member_names.h"

#include <set>

#include "base/error.h"
#include "base/strings.h"

namespace korvane::skinpack {

namespace {

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == '/' || c == '\\' || c == ':') return false;
    return true;
}

}  // namespace

bool IsReservedDeviceName(std::string_view name) {
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && (base.back() == ' ' || base.back() == '.')) base.remove_suffix(1);
    const std::string lower = ascii_lower(base);
    if (lower == "con" || lower == "prn" || lower == "aux" || lower == "nul" ||
        lower == "conin$" || lower == "conout$")
        return true;
    return lower.size() == 4 && (lower.starts_with("com") || lower.starts_with("lpt")) &&
           lower[3] >= '1' && lower[3] <= '9';
}

void CheckMemberFileNames(const std::vector<std::string>& names) {
    std::set<std::string> seen;
    for (const std::string& name : names) {
        const std::string shown = "member name \"" + printable(name) + "\"";
        if (!IsPlainFileName(name)) throw Error(shown + " is not a plain file name");
        if (IsReservedDeviceName(name)) throw Error(shown + " is a device name on Windows");
        if (!seen.insert(name).second) throw Error(shown + " appears twice");
    }
}

}  // namespace korvane::skinpack
