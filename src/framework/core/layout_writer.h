#pragma once
// Writes a component tree as a stored layout (the format is described in
// layout_reader.h). The root's owned components are written nested inside
// the component GetParentComponent() names, or inside the root when that is
// null, in the order the root owns them.

#include <string>

#include "framework/core/component.h"

namespace korvane {

std::string WriteLayout(const TComponent& root);

}  // namespace korvane
