#pragma once
// Measures the memory a piece of work takes: a program that links
// allocation_meter.cpp counts every byte it holds through operator new.

#include <cstddef>

namespace korvane::testing {

// The most bytes held at once while work() ran, above what was held before.
std::size_t peak_allocation_during(void (*work)(void*), void* context);

template <class Work>
std::size_t peak_allocation_during(Work&& work) {
    return peak_allocation_during([](void* w) { (*static_cast<Work*>(w))(); }, &work);
}

}  // namespace korvane::testing
