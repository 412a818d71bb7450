#pragma once

#include <cstdint>

namespace varnel::bench {

// Heap allocations made by this program so far (global operator new is replaced).
std::uint64_t allocations();

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
