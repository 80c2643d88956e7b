// Replaces the global operator new and delete of the program that links it:
// each block carries its size in front, so the bytes held are known exactly.

#include "support/allocation_meter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kHeader = alignof(std::max_align_t);

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};

void* allocate(std::size_t size) noexcept {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block) return nullptr;
    *reinterpret_cast<std::size_t*>(block) = size;
    const std::size_t now = held += size;
    std::size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return block + kHeader;
}

void release(void* p) noexcept {
    if (!p) return;
    auto* block = static_cast<unsigned char*>(p) - kHeader;
    held -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

void* allocate_or_throw(std::size_t size) {
    if (void* p = allocate(size)) return p;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return allocate_or_throw(size); }
void* operator new[](std::size_t size) { return allocate_or_throw(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }

namespace korvane::testing {

std::size_t peak_allocation_during(void (*work)(void*), void* context) {
    const std::size_t before = held.load();
    peak = before;
    work(context);
    return peak.load() - before;
}

}  // namespace korvane::testing
