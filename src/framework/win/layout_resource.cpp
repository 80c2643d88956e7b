#include "framework/win/layout_resource.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/core/component.h"
#include "framework/core/layout_reader.h"
#include "framework/win/resources.h"
#include "base/win32_text.h"

namespace korvane {

void LoadLayoutResource(TComponent& root) {
    std::wstring name = widen(root.ClassName());
    auto bytes = FindResourceBytes(name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!bytes) return;
    ReadLayout(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), root);
}

}  // namespace korvane
