#pragma once
// Writes skin packages: the archive that TSkinReader reads (format mark 20000,
// the name list, the size table, the bodies), compressed as an LZHUF stream.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korvane {

struct ArchiveMember {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// The uncompressed archive. Refuses, with Error, more than 1,001 members,
// empty names, names holding a line break, names that differ only in case
// (the reader could reach only the first) and archives over 2^31 - 1 bytes.
std::vector<std::uint8_t> WriteArchive(std::span<const ArchiveMember> members);

// WriteArchive, then CompressLzh: the bytes of a skin package file.
std::vector<std::uint8_t> PackSkin(std::span<const ArchiveMember> members);

}  // namespace korvane
