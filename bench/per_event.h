#pragma once

#include <cstdint>

#include "heap_allocations.h"

namespace benchmark {
class State;
}

namespace varnel::bench {

// Reports the time and the allocations per event of a benchmark whose iterations are
// `eventsPerIteration` events each, counting allocations (heapAllocations()) from
// `allocationsBefore`.
void reportPerEvent(benchmark::State& state, double eventsPerIteration,
                    std::uint64_t allocationsBefore);

}  // namespace varnel::bench
