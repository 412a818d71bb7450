#pragma once

#include <cstdint>

namespace varnel {

// Heap allocations made by this program so far (the global operator new is replaced).
std::uint64_t heapAllocations();

}  // namespace varnel
