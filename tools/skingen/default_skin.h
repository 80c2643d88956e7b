#pragma once
// The default skin package: its definition and the 34 bitmaps, as archive
// members in package order, and the packed bytes.

#include <cstdint>
#include <vector>

#include "skinpack/archive_writer.h"

namespace korvane::skingen {

std::vector<ArchiveMember> default_skin_members();
std::vector<std::uint8_t> default_skin_package();

}  // namespace korvane::skingen
