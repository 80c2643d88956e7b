#pragma once
// The names of the files a text split into pages is written to.

#include <cstddef>
#include <string>
#include <vector>

namespace korvane::txt2bmp {

// NAME-1.EXT ... NAME-count.EXT for an output NAME.EXT (or NAME), the numbers
// zero-padded to as many digits as `count` has, so that they sort in order.
std::vector<std::string> page_file_names(const std::string& output, std::size_t count);

}  // namespace korvane::txt2bmp
