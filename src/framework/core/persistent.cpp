#include "framework/core/persistent.h"

#include "framework/core/errors.h"
#include "framework/core/properties.h"

namespace korvane {

void TPersistent::Assign(const TPersistent* source) {
    if (!source) ThrowCannotAssign("nil", ClassName());
    source->AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& target) const { ThrowCannotAssign(ClassName(), target.ClassName()); }

const PropertyTable& TPersistent::Properties() const {
    static const PropertyTable none;
    return none;
}

}  // namespace korvane
