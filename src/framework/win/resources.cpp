#include "framework/win/resources.h"

#include <shellapi.h>

#include "base/win32_text.h"

namespace korvane {

std::optional<std::span<const std::uint8_t>> FindResourceBytes(const wchar_t* name, const wchar_t* type) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, name, type);
    if (!info) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, info);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return std::nullopt;
    // Resources of the executable stay mapped while it runs: nothing to free.
    return std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, info));
}

bool ShellOpen(HWND owner, const std::string& target) {
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner, L"open", widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace korvane
