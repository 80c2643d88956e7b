#pragma once
// A set of up to 32 members of an enumeration whose members number from 0,
// kept as a mask: member n is bit n. This is also how sets are stored.

#include <cstdint>
#include <initializer_list>

namespace korvane {

template <class E>
class Set {
public:
    constexpr Set() = default;
    constexpr Set(std::initializer_list<E> members) {
        for (E m : members) include(m);
    }
    static constexpr Set from_mask(std::uint32_t mask) {
        Set s;
        s.mask_ = mask;
        return s;
    }

    constexpr std::uint32_t mask() const { return mask_; }
    constexpr bool empty() const { return mask_ == 0; }
    constexpr bool contains(E m) const { return (mask_ & bit(m)) != 0; }
    constexpr Set& include(E m) {
        mask_ |= bit(m);
        return *this;
    }
    constexpr Set& exclude(E m) {
        mask_ &= ~bit(m);
        return *this;
    }
    constexpr Set operator+(Set o) const { return from_mask(mask_ | o.mask_); }
    constexpr Set operator-(Set o) const { return from_mask(mask_ & ~o.mask_); }
    constexpr Set operator*(Set o) const { return from_mask(mask_ & o.mask_); }
    friend constexpr bool operator==(Set, Set) = default;

private:
    static constexpr std::uint32_t bit(E m) { return std::uint32_t(1) << unsigned(m); }
    std::uint32_t mask_ = 0;
};

}  // namespace korvane
