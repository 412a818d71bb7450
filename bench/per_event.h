#pragma once

#include <cstdint>

#include "heap_allocations.h"

namespace varnel::bench {

// Heap allocations made by this program so far.
inline std::uint64_t allocations() {
    return heapAllocations();
}

}  // namespace varnel::bench

namespace benchmark {
class State;
}

namespace varnel::bench {

// Reports the time and the allocations per event of a benchmark whose iterations are
// `eventsPerIteration` events each, counting allocations from `allocationsBefore`.
void reportPerEvent(benchmark::State& state, double eventsPerIteration,
                    std::uint64_t allocationsBefore);

}  // namespace varnel::bench
