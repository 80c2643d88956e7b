#include "skin/engine/registration.h"

#include "framework/core/class_registry.h"
#include "skin/data/skin_store.h"
#include "skin/engine/skin_data.h"

namespace korvane {

void RegisterSkinClasses() {
    static const bool done = [] {
        RegisterComponentClass<TSkinStore>();
        RegisterComponentClass<TSkinData>();
        return true;
    }();
    (void)done;
}

}  // namespace korvane
