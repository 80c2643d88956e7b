#pragma once
// The components a form's code works with, found by name once its stored
// layout is read. A layout that lacks one, or holds it with another class,
// fails with a message naming it.

#include <string>
#include <string_view>

#include "base/error.h"
#include "framework/core/component.h"

namespace korvane {

template <class T>
T& FormField(const TComponent& form, std::string_view name) {
    auto* field = dynamic_cast<T*>(form.FindComponent(name));
    if (!field)
        throw Error("The layout of " + std::string(form.ClassName()) + " has no " + std::string(T::kClassName) +
                    " named " + std::string(name));
    return *field;
}

}  // namespace korvane
