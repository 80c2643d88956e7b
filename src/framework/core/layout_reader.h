#pragma once
// Reads a stored layout into a component tree.
//
// The text:
//   object Name: TClass          a component ("object TClass" when unnamed)
//     Property = value           published properties, in any order
//     Font.Height = -12          a property of an owned sub-object
//     object Child: TClass       nested components, owned by the root
//     end
//   end
// Values: integers (-12, $00FF00FF), True/False, strings ('It''s'#13#10),
// identifiers (enumeration members, named colours, component names),
// sets ([fsBold, fsUnderline]), collections (< item ... end item ... end >),
// binary data as hexadecimal digits ({ 0A0B0C }). Names of classes,
// properties and members are matched without regard to case.
//
// Reading: every component of the layout is in the loading state (csLoading,
// and csReading while its own properties are read); properties are assigned
// in file order; a nested object is the root's component of that name when
// it has one, else a new component of the registered class. References to
// components are resolved once all components exist. Then Loaded() is called
// on every component, the root first, in the order they were read.
//
// Failures: a malformed text, an unknown class or property, or a value of the
// wrong type fails with EReadError "Line L, column C: <what>"; a failure
// raised by a property's setter passes through unchanged. Components made by
// the failed read are freed again.

#include <memory>
#include <string_view>

#include "framework/core/component.h"

namespace korvane {

// Fills root, whose class must be the one the layout names.
void ReadLayout(std::string_view text, TComponent& root);

// Makes the root component of the layout's (registered) class and fills it.
std::unique_ptr<TComponent> CreateFromLayout(std::string_view text);

}  // namespace korvane
