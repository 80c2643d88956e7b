#include "framework/core/class_registry.h"

#include <map>
#include <string>

#include "base/strings.h"
#include "framework/core/errors.h"

namespace korvane {

namespace {

// Keyed by the lower-case name: class names in layouts ignore case.
std::map<std::string, ComponentFactory, std::less<>>& registry() {
    static std::map<std::string, ComponentFactory, std::less<>> classes;
    return classes;
}

ComponentFactory factory_of(std::string_view class_name) {
    auto it = registry().find(ascii_lower(class_name));
    if (it == registry().end()) throw EClassNotFound(class_name);
    return it->second;
}

}  // namespace

void RegisterComponentClass(std::string_view class_name, ComponentFactory factory) {
    registry()[ascii_lower(class_name)] = factory;
}

bool IsClassRegistered(std::string_view class_name) { return registry().contains(ascii_lower(class_name)); }

TComponent& CreateComponent(std::string_view class_name, TComponent& owner) {
    return *factory_of(class_name)(&owner);
}

std::unique_ptr<TComponent> CreateComponent(std::string_view class_name) {
    return std::unique_ptr<TComponent>(factory_of(class_name)(nullptr));
}

}  // namespace korvane
