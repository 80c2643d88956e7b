#include "framework/core/component.h"

#include <algorithm>

#include "base/strings.h"
#include "framework/core/errors.h"
#include "framework/core/properties.h"

namespace korvane {

namespace {

bool is_identifier(std::string_view s) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (s.empty() || !letter(s[0])) return false;
    return std::all_of(s.begin() + 1, s.end(), [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->Insert(this);
}

TComponent::~TComponent() {
    Destroying();
    // Holders of references to this component hear of its end first.
    while (!free_notifies_.empty()) {
        TComponent* holder = free_notifies_.back();
        free_notifies_.pop_back();
        std::erase(holder->free_notifies_, this);
        holder->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->Remove(this).release();  // the owner's unique_ptr is what is being destroyed
}

const PropertyTable& TComponent::Properties() const {
    static const PropertyTable table = PropertyBuilder<TComponent>(TPersistent::Properties())
                                           .string("Name", &TComponent::Name, &TComponent::SetName)
                                           .never_stored()
                                           .integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0)
                                           .build();
    return table;
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) throw EListError(index);
    return components_[std::size_t(index)].get();
}

int TComponent::ComponentIndex() const {
    if (!owner_) return -1;
    const auto& list = owner_->components_;
    auto it = std::find_if(list.begin(), list.end(), [this](const auto& c) { return c.get() == this; });
    return int(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (const auto& c : components_)
        if (equals_ignore_case(c->name_, name)) return c.get();
    return nullptr;
}

void TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
    if (!component) return;
    if (component->owner_) throw EComponentError("Component " + component->name_ + " already has an owner");
    Insert(component.get());  // takes ownership only once the name is accepted
    component.release();
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->owner_ != this) return nullptr;
    return Remove(component);
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !is_identifier(name))
        throw EComponentError("'" + name + "' is not a valid component name");
    if (owner_) owner_->ValidateRename(this, name_, name);
    name_ = name;
}

void TComponent::ValidateRename(const TComponent* component, std::string_view current, std::string_view name) const {
    if (component && equals_ignore_case(current, name)) return;
    if (FindComponent(name)) throw EComponentError("A component named " + std::string(name) + " already exists");
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(free_notifies_.begin(), free_notifies_.end(), component) == free_notifies_.end()) {
        free_notifies_.push_back(component);
        component->free_notifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    std::erase(free_notifies_, component);
    std::erase(component->free_notifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove) RemoveFreeNotification(component);
    NotifyOwned(component, operation);
}

void TComponent::NotifyOwned(TComponent* component, TOperation operation) {
    // A notified component may free others of the list: recheck the bound each time.
    for (std::size_t i = components_.size(); i-- > 0;) {
        if (i >= components_.size()) continue;
        components_[i]->Notification(component, operation);
    }
}

void TComponent::Loaded() { state_.exclude(csLoading); }

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        std::unique_ptr<TComponent> last = std::move(components_.back());
        components_.pop_back();
        last->owner_ = nullptr;
        Notification(last.get(), opRemove);
    }
}

void TComponent::Insert(TComponent* component) {
    ValidateRename(nullptr, "", component->name_);
    components_.emplace_back(component);
    component->owner_ = this;
    Notification(component, opInsert);
}

std::unique_ptr<TComponent> TComponent::Remove(TComponent* component) {
    auto it = std::find_if(components_.begin(), components_.end(),
                           [component](const auto& c) { return c.get() == component; });
    if (it == components_.end()) return nullptr;
    std::unique_ptr<TComponent> out = std::move(*it);
    components_.erase(it);
    component->owner_ = nullptr;
    Notification(component, opRemove);
    return out;
}

}  // namespace korvane
