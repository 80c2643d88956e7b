#include "skinpack/archive_writer.h"

#include <limits>
#include <set>

#include "base/error.h"
#include "base/strings.h"
#include "skin/data/skin_reader.h"
#include "skinpack/lzh_encoder.h"

namespace korvane {

namespace {

void CheckMembers(std::span<const ArchiveMember> members) {
    if (members.size() > std::size_t(TSkinReader::kMaxMembers))
        throw Error("A skin package holds at most " + std::to_string(TSkinReader::kMaxMembers) +
                    " members, not " + std::to_string(members.size()));
    std::set<std::string> seen;
    for (const ArchiveMember& member : members) {
        if (member.name.empty()) throw Error("A member name is empty");
        if (member.name.find_first_of("\r\n") != std::string::npos)
            throw Error("Member name \"" + member.name + "\" holds a line break");
        if (!seen.insert(ascii_lower(member.name)).second)
            throw Error("Member name \"" + member.name + "\" is used twice (names ignore case)");
    }
}

void PutInt32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(std::uint8_t(value >> shift));
}

}  // namespace

std::vector<std::uint8_t> WriteArchive(std::span<const ArchiveMember> members) {
    CheckMembers(members);
    std::string names;
    std::uint64_t total = TSkinReader::kHeaderSize;
    for (const ArchiveMember& member : members) {
        names += member.name + "\r\n";
        total += 4 + member.name.size() + 2 + member.bytes.size();
    }
    if (total > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
        throw Error("A skin package of " + std::to_string(total) + " bytes is too large");

    std::vector<std::uint8_t> out;
    out.reserve(std::size_t(total));
    PutInt32(out, std::uint32_t(TSkinReader::kFormatMark));
    PutInt32(out, std::uint32_t(names.size()));
    PutInt32(out, 0);  // two values the reader does not interpret
    PutInt32(out, 0);
    out.insert(out.end(), names.begin(), names.end());
    for (const ArchiveMember& member : members) PutInt32(out, std::uint32_t(member.bytes.size()));
    for (const ArchiveMember& member : members)
        out.insert(out.end(), member.bytes.begin(), member.bytes.end());
    return out;
}

std::vector<std::uint8_t> PackSkin(std::span<const ArchiveMember> members) {
    return CompressLzh(WriteArchive(members));
}

}  // namespace korvane
