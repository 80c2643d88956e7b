#pragma once
// The classes a stored layout may name. A program registers each component
// class it reads from layouts once, before reading them:
//
//   RegisterComponentClass<TSkinStore>();
//
// A registered class has a public static kClassName and a constructor taking
// the owner (TComponent*).

#include <memory>
#include <string_view>

#include "framework/core/component.h"

namespace korvane {

// Makes a component of one class; the new component belongs to owner when
// owner is not null, else to the caller.
using ComponentFactory = TComponent* (*)(TComponent* owner);

void RegisterComponentClass(std::string_view class_name, ComponentFactory factory);

template <class T>
void RegisterComponentClass() {
    RegisterComponentClass(T::kClassName, [](TComponent* owner) -> TComponent* { return new T(owner); });
}

bool IsClassRegistered(std::string_view class_name);

// Fail with EClassNotFound for a class that was not registered.
TComponent& CreateComponent(std::string_view class_name, TComponent& owner);
std::unique_ptr<TComponent> CreateComponent(std::string_view class_name);

}  // namespace korvane
