#pragma once

#include <cstdint>

namespace varnel::bench {

// Heap allocations made by this program so far (global operator new is replaced).
std::uint64_t allocations();

}  // namespace varnel::bench
