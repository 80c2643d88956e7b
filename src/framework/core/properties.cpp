#include "framework/core/properties.h"

#include "base/strings.h"

namespace korvane {

bool PropertyInfo::writable() const {
    switch (kind) {
    case PropertyKind::String: return bool(set_string);
    case PropertyKind::Object:
    case PropertyKind::Collection: return true;  // filled in place
    case PropertyKind::Component: return bool(set_component);
    case PropertyKind::Binary: return bool(read_binary);
    default: return bool(set_ordinal);
    }
}

bool PropertyInfo::IsStored(const TPersistent& instance) const {
    if (!writable()) return false;
    if (stored) return stored(instance);
    switch (kind) {
    case PropertyKind::String: return !default_string || get_string(instance) != *default_string;
    case PropertyKind::Object:
    case PropertyKind::Collection:
    case PropertyKind::Binary: return true;
    case PropertyKind::Component: return get_component(instance) != nullptr;
    default: return !default_ordinal || get_ordinal(instance) != *default_ordinal;
    }
}

const PropertyInfo* PropertyTable::find(std::string_view name) const {
    for (const PropertyInfo& p : properties_)
        if (equals_ignore_case(p.name, name)) return &p;
    return nullptr;
}

}  // namespace korvane
