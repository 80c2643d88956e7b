#pragma once
// Which member names may become files: names come from the package, that is
// from someone else.

#include <string>
#include <string_view>
#include <vector>

namespace korvane::skinpack {

// A name Windows gives to a device whatever the folder: CON, PRN, AUX, NUL,
// COM1 to COM9, LPT1 to LPT9, CONIN$ and CONOUT$, in any case, also with an
// extension or trailing blanks and points ("nul.bmp", "Con .txt").
bool IsReservedDeviceName(std::string_view name);

// Throws Error naming the first member that is no plain file name (empty,
// "." or "..", holding a control byte, a path separator or a drive colon, or
// a reserved device name) or that appears twice.
void CheckMemberFileNames(const std::vector<std::string>& names);

}  // namespace korvane::skinpack
