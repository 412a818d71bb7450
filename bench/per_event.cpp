#include "per_event.h"

#include <benchmark/benchmark.h>

void varnel::bench::reportPerEvent(benchmark::State& state, double eventsPerIteration,
                                   std::uint64_t allocationsBefore) {
    state.counters["time/event"] =
        benchmark::Counter(eventsPerIteration, benchmark::Counter::kIsIterationInvariantRate |
                                                   benchmark::Counter::kInvert);
    state.counters["allocs/event"] = benchmark::Counter(
        static_cast<double>(heapAllocations() - allocationsBefore) / eventsPerIteration,
        benchmark::Counter::kAvgIterations);
}
