#pragma once
// A skin package in one theme: its definition and the 34 bitmaps, as
// archive members in package order, and the packed bytes.

#include <cstdint>
#include <vector>

#include "palette.h"
#include "skinpack/archive_writer.h"

namespace korvane::skingen {

std::vector<ArchiveMember> skin_members(Theme theme);
std::vector<std::uint8_t> skin_package(Theme theme);

}  // namespace korvane::skingen
