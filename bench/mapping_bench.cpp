// The pure functions the event tap calls for every key: the shortcut rules, the built-in
// layouts and the key names of the diagnostics.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "mapping/windows_mapping.h"
#include "model/flags.h"
#include "model/key_names.h"
#include "per_event.h"

namespace varnel::bench {

namespace {

// A spread of key presses: mapped, unmapped, typed, with and without modifiers.
struct Press {
    std::uint16_t keyCode;
    std::uint64_t flags;
};
constexpr std::array<Press, 16> presses{{
    {8, Flags::control},
    {0, 0},
    {115, Flags::secondaryFn},
    {123, Flags::control | Flags::numericPad | Flags::secondaryFn},
    {96, Flags::secondaryFn},
    {37, Flags::command},
    {48, Flags::option},
    {117, Flags::shift | Flags::secondaryFn},
    {43, Flags::capsLock},
    {18, Flags::shift},
    {1, Flags::shift | Flags::command},
    {51, Flags::control},
    {118, Flags::option | Flags::secondaryFn},
    {36, 0},
    {200, Flags::control},
    {105, Flags::secondaryFn},
}};

void reportAllocations(benchmark::State& state, std::uint64_t before) {
    state.counters["allocs/call"] = benchmark::Counter(
        static_cast<double>(heapAllocations() - before), benchmark::Counter::kAvgIterations);
}

void specialAction(benchmark::State& state) {
    const KeyboardOptions options = KeyboardOptions::windowsDefaults;
    std::size_t i = 0;
    const auto before = heapAllocations();
    for (auto _ : state) {
        const Press& press = presses[i++ % presses.size()];
        auto action = WindowsMapping::specialAction(press.keyCode, press.flags, options);
        benchmark::DoNotOptimize(action);
    }
    reportAllocations(state, before);
}
BENCHMARK(specialAction);

void printableText(benchmark::State& state) {
    std::size_t i = 0;
    const auto before = heapAllocations();
    for (auto _ : state) {
        const Press& press = presses[i % presses.size()];
        const auto language =
            (i++ & 16) ? WindowsTypingLanguage::russian : WindowsTypingLanguage::english;
        auto text = WindowsMapping::printableText(press.keyCode, press.flags, language);
        benchmark::DoNotOptimize(text);
    }
    reportAllocations(state, before);
}
BENCHMARK(printableText);

// As the engine calls it: written into a string that keeps its storage.
void physicalDescription(benchmark::State& state) {
    std::string out;
    out.reserve(64);
    std::size_t i = 0;
    const auto before = heapAllocations();
    for (auto _ : state) {
        const Press& press = presses[i++ % presses.size()];
        KeyNames::writePhysicalDescription(out, press.keyCode, press.flags);
        benchmark::DoNotOptimize(out.data());
    }
    reportAllocations(state, before);
}
BENCHMARK(physicalDescription);

// The convenience form, which returns a new string.
void physicalDescriptionReturned(benchmark::State& state) {
    std::size_t i = 0;
    const auto before = heapAllocations();
    for (auto _ : state) {
        const Press& press = presses[i++ % presses.size()];
        std::string text = KeyNames::physicalDescription(press.keyCode, press.flags);
        benchmark::DoNotOptimize(text.data());
    }
    reportAllocations(state, before);
}
BENCHMARK(physicalDescriptionReturned);

}  // namespace

}  // namespace varnel::bench
