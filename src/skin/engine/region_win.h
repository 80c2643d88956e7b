#pragma once
// Window regions from the rectangle batches of region.h.

#include <windows.h>

#include <span>

#include "skin/engine/region.h"

namespace korvane {

// Owns one region handle and deletes it.
class UniqueRegion {
public:
    UniqueRegion() = default;
    explicit UniqueRegion(HRGN region) : region_(region) {}
    UniqueRegion(UniqueRegion&& other) noexcept : region_(other.release()) {}
    UniqueRegion& operator=(UniqueRegion&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueRegion(const UniqueRegion&) = delete;
    UniqueRegion& operator=(const UniqueRegion&) = delete;
    ~UniqueRegion() { reset(); }

    HRGN get() const { return region_; }
    explicit operator bool() const { return region_ != nullptr; }
    // Gives up ownership, e.g. to SetWindowRgn, which takes it over.
    HRGN release() {
        HRGN region = region_;
        region_ = nullptr;
        return region;
    }
    void reset(HRGN region = nullptr) {
        if (region_) DeleteObject(region_);
        region_ = region;
    }

private:
    HRGN region_ = nullptr;
};

// One region made of all batches: each batch becomes a region through
// ExtCreateRegion and is OR-combined into the first. No batches give an
// empty region. Throws Error when the system cannot make a region.
UniqueRegion CreateRegion(std::span<const RegionBatch> batches);

}  // namespace korvane
