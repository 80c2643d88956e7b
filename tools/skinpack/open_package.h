#pragma once

#include <string>

#include "skin/data/skin_reader.h"

namespace korvane::skinpack {

// Reads and loads a skin package file; a refused package becomes an Error
// with the reader's message.
TSkinReader OpenPackage(const std::string& path_utf8);

}  // namespace korvane::skinpack
