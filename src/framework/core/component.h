#pragma once
// TComponent: the base of forms, controls and non-visual components.
//
// Ownership: a component created with an owner belongs to it (create it with
// new); the owner keeps its components in index order and frees them, last
// first, when it is destroyed. Deleting a component removes it from its
// owner. A component without an owner belongs to whoever created it.
//
// Names: empty or an identifier ([A-Za-z_][A-Za-z0-9_]*), unique among the
// components of one owner without regard to case.
//
// Notifications: Notification(c, opInsert / opRemove) is called on the owner
// when c joins or leaves it, and passed on down to every owned component.
// A.FreeNotification(B) asks that B be told (Notification(A, opRemove)) when
// A is destroyed, whoever owns either; a component holding a reference to
// another registers this way and clears its reference when told.
//
// Destruction runs in the base destructor, after the derived parts are gone:
// a class whose Notification override uses its own members calls
// DestroyComponents() at the start of its destructor.
//
// Loading: while a stored layout is read into a component, its
// ComponentState holds csLoading (and csReading while its own properties are
// read); when every component of the layout has its properties, the reader
// calls Loaded() on each, which clears csLoading. Overrides of Loaded call
// the base first.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/persistent.h"
#include "framework/core/set.h"

namespace korvane {

enum TOperation { opInsert, opRemove };

enum TComponentStateMember { csLoading, csReading, csWriting, csDestroying };
using TComponentState = Set<TComponentStateMember>;

class TComponent : public TPersistent {
public:
    static constexpr std::string_view kClassName = "TComponent";

    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    std::string_view ClassName() const override { return kClassName; }
    // Name (not written as a property: the layout's object line carries it) and Tag.
    const PropertyTable& Properties() const override;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return int(components_.size()); }
    // Fails with EListError outside 0 .. ComponentCount() - 1.
    TComponent* Components(int index) const;
    // The index in the owner's list; -1 without owner.
    int ComponentIndex() const;
    // An owned component by name, ignoring case; null when none.
    TComponent* FindComponent(std::string_view name) const;

    // Takes a component that has no owner.
    void InsertComponent(std::unique_ptr<TComponent> component);
    // Gives an owned component back to the caller.
    std::unique_ptr<TComponent> RemoveComponent(TComponent* component);

    const std::string& Name() const { return name_; }
    // Fails with EComponentError for an invalid or duplicate name.
    void SetName(const std::string& name);
    std::int32_t Tag() const { return tag_; }
    void SetTag(std::int32_t tag) { tag_ = tag; }

    TComponentState ComponentState() const { return state_; }

    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // The component this one is nested in within a stored layout (a control's
    // parent window); the owner's direct children return null.
    virtual TComponent* GetParentComponent() const { return nullptr; }
    // Called by the layout reader before the properties of a nested component are read.
    virtual void SetParentComponent(TComponent* /*parent*/) {}

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void Loaded();
    // Frees the owned components, last first.
    void DestroyComponents();
    // Marks the component as being destroyed (csDestroying).
    void Destroying() { state_.include(csDestroying); }

private:
    friend class LayoutReader;

    void Insert(TComponent* component);
    std::unique_ptr<TComponent> Remove(TComponent* component);
    void ValidateRename(const TComponent* component, std::string_view current, std::string_view name) const;
    void NotifyOwned(TComponent* component, TOperation operation);

    TComponent* owner_ = nullptr;
    std::vector<std::unique_ptr<TComponent>> components_;
    std::vector<TComponent*> free_notifies_;
    std::string name_;
    std::int32_t tag_ = 0;
    TComponentState state_;
};

}  // namespace korvane
