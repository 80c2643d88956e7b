#pragma once
// The program's own resources, and the shell's open verb.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace korvane {

// The bytes of a resource of the executable, valid for the program's life;
// nullopt when there is no such resource.
std::optional<std::span<const std::uint8_t>> FindResourceBytes(const wchar_t* name, const wchar_t* type);

// Asks the shell to open a document or web address (verb "open", normal
// show, no parameters, no working folder). True when the shell accepted it.
bool ShellOpen(HWND owner, const std::string& target);

}  // namespace korvane
