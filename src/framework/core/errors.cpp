#include "framework/core/errors.h"

#include "base/strings.h"

namespace korvane {

EListError::EListError(long long index) : Error(format("List index out of bounds (%lld)", index)) {}

EClassNotFound::EClassNotFound(std::string_view name)
    : Error("Class " + std::string(name) + " not found") {}

void ThrowCannotAssign(std::string_view source_class, std::string_view target_class) {
    throw EConvertError("Cannot assign a " + std::string(source_class) + " to a " + std::string(target_class));
}

}  // namespace korvane
