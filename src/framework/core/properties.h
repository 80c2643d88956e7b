#pragma once
// The property registry: what a class keeps in a stored layout.
//
// Each TPersistent class describes its properties in one PropertyTable,
// built once from its base class's table:
//
//   const PropertyTable& TSkinStore::Properties() const {
//       static const PropertyTable table = PropertyBuilder<TSkinStore>(TComponent::Properties())
//           .collection("Store", &TSkinStore::Store)
//           .build();
//       return table;
//   }
//
// Published properties are read and written in declaration order. Kinds:
//   integer      32-bit signed                    Left = -3
//   boolean                                      Visible = False
//   string       UTF-8 bytes                      Caption = 'Convert'
//   enumeration  members named in a list          SkinFormtype = sfMainform
//   set          mask, members named in a list    Style = [fsBold, fsUnderline]
//   color        Color (see colors.h)             Color = clBtnFace
//   object       an owned persistent sub-object   Font.Height = -12
//   collection   an owned TCollection            Store = < item ... end >
//   component    a reference to a component       FocusControl = Edit1
// Binary properties follow the published ones; the class supplies their
// bytes and takes them back whole:               DataStream = { 0A0B... }
//
// Storing: a property equal to its declared default is not written; one
// declared without a default is always written; .never_stored() or
// .stored_if() on the last added property override both. Read-only
// properties (no setter) are never written.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/core/collection.h"
#include "framework/core/errors.h"
#include "framework/core/persistent.h"

namespace korvane {

class TComponent;

enum class PropertyKind { Integer, Boolean, String, Enumeration, Set, Color, Object, Collection, Component, Binary };

// Names of enumeration or set members; member n is names[n].
using MemberNames = std::span<const std::string_view>;

struct PropertyInfo {
    std::string_view name;
    PropertyKind kind = PropertyKind::Integer;
    MemberNames members;  // Enumeration, Set

    // Integer, Boolean, Enumeration, Set and Color travel as ordinals.
    std::function<std::int64_t(const TPersistent&)> get_ordinal;
    std::function<void(TPersistent&, std::int64_t)> set_ordinal;
    std::optional<std::int64_t> default_ordinal;

    std::function<std::string(const TPersistent&)> get_string;
    std::function<void(TPersistent&, const std::string&)> set_string;
    std::optional<std::string> default_string;

    // Object and Collection: the sub-object, owned by the instance.
    std::function<TPersistent*(const TPersistent&)> get_object;

    // Component: set_component fails with EInvalidCast for a component of the wrong class.
    std::function<TComponent*(const TPersistent&)> get_component;
    std::function<void(TPersistent&, TComponent*)> set_component;

    std::function<std::vector<std::uint8_t>(const TPersistent&)> write_binary;
    std::function<void(TPersistent&, std::span<const std::uint8_t>)> read_binary;

    // Overrides the default rule when set.
    std::function<bool(const TPersistent&)> stored;

    bool writable() const;
    // Whether a writer puts this property of instance into the layout.
    bool IsStored(const TPersistent& instance) const;
};

class PropertyTable {
public:
    PropertyTable() = default;

    std::span<const PropertyInfo> all() const { return properties_; }
    // Case-insensitive, as names in layouts are; null when there is none.
    const PropertyInfo* find(std::string_view name) const;

private:
    template <class C>
    friend class PropertyBuilder;
    std::vector<PropertyInfo> properties_;
};

namespace detail {
template <class T>
std::int64_t to_ordinal(const T& value) {
    if constexpr (requires { value.mask(); })
        return std::int64_t(value.mask());
    else
        return std::int64_t(value);
}
template <class T>
T from_ordinal(std::int64_t value) {
    if constexpr (requires { T::from_mask(0u); })
        return T::from_mask(std::uint32_t(value));
    else
        return T(value);
}
template <class G, class C>
using ValueOf = std::remove_cvref_t<std::invoke_result_t<G, const C&>>;
}  // namespace detail

// Adds the properties of class C to a copy of its base class's table.
// Getters and setters are member function pointers or callables taking C;
// a null setter makes a read-only property.
template <class C>
class PropertyBuilder {
public:
    explicit PropertyBuilder(const PropertyTable& base) : table_(base) {}

    template <class G, class S>
    PropertyBuilder& integer(std::string_view name, G getter, S setter, std::optional<std::int32_t> def = std::nullopt) {
        return ordinal(PropertyKind::Integer, name, {}, getter, setter, def);
    }
    template <class G, class S>
    PropertyBuilder& boolean(std::string_view name, G getter, S setter, std::optional<bool> def = std::nullopt) {
        return ordinal(PropertyKind::Boolean, name, {}, getter, setter, def);
    }
    template <class G, class S, class D = std::nullopt_t>
    PropertyBuilder& enumeration(std::string_view name, MemberNames members, G getter, S setter, D def = std::nullopt) {
        return ordinal(PropertyKind::Enumeration, name, members, getter, setter, def);
    }
    template <class G, class S, class D = std::nullopt_t>
    PropertyBuilder& set(std::string_view name, MemberNames members, G getter, S setter, D def = std::nullopt) {
        return ordinal(PropertyKind::Set, name, members, getter, setter, def);
    }
    template <class G, class S>
    PropertyBuilder& color(std::string_view name, G getter, S setter, std::optional<std::uint32_t> def = std::nullopt) {
        return ordinal(PropertyKind::Color, name, {}, getter, setter, def);
    }

    template <class G, class S>
    PropertyBuilder& string(std::string_view name, G getter, S setter, std::optional<std::string> def = std::string()) {
        PropertyInfo& p = add(PropertyKind::String, name);
        p.get_string = [getter](const TPersistent& o) { return std::string(std::invoke(getter, self(o))); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.set_string = [setter](TPersistent& o, const std::string& v) { std::invoke(setter, self(o), v); };
        p.default_string = std::move(def);
        return *this;
    }

    // The getter returns a reference to a sub-object the instance owns.
    template <class T>
    PropertyBuilder& object(std::string_view name, T& (C::*getter)()) {
        add(PropertyKind::Object, name).get_object = sub_object(getter);
        return *this;
    }
    template <class T>
    PropertyBuilder& collection(std::string_view name, T& (C::*getter)()) {
        static_assert(std::is_base_of_v<TCollection, T>);
        add(PropertyKind::Collection, name).get_object = sub_object(getter);
        return *this;
    }

    // G returns a pointer to a component class T; S takes a T*.
    template <class G, class S>
    PropertyBuilder& component(std::string_view name, G getter, S setter) {
        using T = std::remove_pointer_t<detail::ValueOf<G, C>>;
        PropertyInfo& p = add(PropertyKind::Component, name);
        p.get_component = [getter](const TPersistent& o) -> TComponent* { return std::invoke(getter, self(o)); };
        p.set_component = [setter](TPersistent& o, TComponent* c) {
            T* typed = c ? dynamic_cast<T*>(c) : nullptr;
            if (c && !typed) throw EInvalidCast();
            std::invoke(setter, self(o), typed);
        };
        return *this;
    }

    // write gives the bytes to store; read takes them back.
    template <class W, class R>
    PropertyBuilder& binary(std::string_view name, W write, R read) {
        PropertyInfo& p = add(PropertyKind::Binary, name);
        p.write_binary = [write](const TPersistent& o) { return std::invoke(write, self(o)); };
        p.read_binary = [read](TPersistent& o, std::span<const std::uint8_t> b) { std::invoke(read, self(o), b); };
        return *this;
    }

    // Modifiers of the property added last.
    PropertyBuilder& never_stored() {
        last_->stored = [](const TPersistent&) { return false; };
        return *this;
    }
    template <class P>
    PropertyBuilder& stored_if(P predicate) {
        last_->stored = [predicate](const TPersistent& o) { return std::invoke(predicate, self(o)); };
        return *this;
    }

    PropertyTable build() { return std::move(table_); }

private:
    static const C& self(const TPersistent& o) { return static_cast<const C&>(o); }
    static C& self(TPersistent& o) { return static_cast<C&>(o); }

    // A property of the base class declared again (say, with another
    // default) replaces the base's declaration in its place.
    PropertyInfo& add(PropertyKind kind, std::string_view name) {
        const PropertyInfo* inherited = table_.find(name);
        PropertyInfo& p = inherited ? table_.properties_[std::size_t(inherited - table_.properties_.data())]
                                    : table_.properties_.emplace_back();
        p = PropertyInfo{};
        p.kind = kind;
        p.name = name;
        last_ = &p;
        return p;
    }

    // Sub-objects are reached through the instance's non-const accessor;
    // the writer only reads them.
    template <class T>
    static auto sub_object(T& (C::*getter)()) {
        return [getter](const TPersistent& o) -> TPersistent* { return &(const_cast<C&>(self(o)).*getter)(); };
    }

    template <class G, class S, class D>
    PropertyBuilder& ordinal(PropertyKind kind, std::string_view name, MemberNames members, G getter, S setter, const D& def) {
        using V = detail::ValueOf<G, C>;
        PropertyInfo& p = add(kind, name);
        p.members = members;
        p.get_ordinal = [getter](const TPersistent& o) { return detail::to_ordinal(std::invoke(getter, self(o))); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.set_ordinal = [setter](TPersistent& o, std::int64_t v) { std::invoke(setter, self(o), detail::from_ordinal<V>(v)); };
        if constexpr (!std::is_same_v<D, std::nullopt_t>) {
            if constexpr (requires { def.has_value(); }) {
                if (def) p.default_ordinal = detail::to_ordinal(*def);
            } else {
                p.default_ordinal = detail::to_ordinal(def);
            }
        }
        return *this;
    }

    PropertyTable table_;
    PropertyInfo* last_ = nullptr;
};

}  // namespace korvane
