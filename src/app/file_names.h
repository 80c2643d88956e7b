#pragma once
// The parts of a Windows file path that the main window shows and completes:
// '\' and '/' separate folders, and the colon of "C:" ends a drive name.

#include <string>
#include <string_view>

namespace korvane {

// The name and extension, without folder or drive.
std::string_view file_name_part(std::string_view path);

// The name part from its last full stop on ("a." has the extension "."); empty
// when the name has no full stop.
std::string_view extension_of(std::string_view path);

// The path with `extension` appended when it has no extension of its own.
std::string with_default_extension(std::string_view path, std::string_view extension);

}  // namespace korvane
