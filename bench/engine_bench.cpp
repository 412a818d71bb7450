// One physical event through the engine on the simulated Mac, for each path the tap
// callback takes. An iteration is one physical event (key-downs and key-ups alternate, so a
// figure is the mean of the two); the events the engine posts travel the tap as well, and
// the main queue runs what the engine queued (its diagnostics) after each event.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "engine/keyboard_engine.h"
#include "model/flags.h"
#include "per_event.h"
#include "platform/sim/manual_main_queue.h"
#include "platform/sim/sim_event_system.h"
#include "platform/sim/sim_keyboard.h"

namespace varnel::bench {

namespace {

// A running engine with the given switches (the defaults unless told), on a simulated Mac.
struct Rig {
    SimClock clock;
    SimEventSystem events{clock};
    ManualMainQueue queue{clock};
    SimKeyboard keyboard{events};
    std::shared_ptr<KeyboardEngine> engine = KeyboardEngine::make(events, queue);

    explicit Rig(const KeyboardOptions& options = KeyboardOptions::windowsDefaults) {
        engine->setOptions(options);
        engine->start();
    }
    void send(const SimEvent& event) {
        events.inject(event);
        drain();
    }
    // Runs what the engine queued. The clock moves a millisecond an event, a fast typist's
    // pace, so that the rate guard stays quiet.
    void drain() {
        while (queue.runOne()) {
        }
        clock.advanceTo(clock.now() + 0.001);
    }
};

SimEvent keyEvent(std::uint32_t type, std::uint16_t keyCode, std::uint64_t flags) {
    SimEvent event;
    event.type = type;
    event.keyCode = keyCode;
    event.flags = flags | Flags::nonCoalesced;
    return event;
}

// Runs the cycle of events over and over, one event an iteration, and reports the
// allocations per event. The first round warms the engine up.
void runCycle(benchmark::State& state, Rig& rig, const std::vector<SimEvent>& cycle) {
    for (const SimEvent& event : cycle) {
        rig.send(event);
    }
    std::size_t i = 0;
    const auto before = heapAllocations();
    for (auto _ : state) {
        rig.send(cycle[i]);
        i = i + 1 == cycle.size() ? 0 : i + 1;
    }
    state.counters["allocs/event"] = benchmark::Counter(
        static_cast<double>(heapAllocations() - before), benchmark::Counter::kAvgIterations);
    state.counters["posted/event"] = benchmark::Counter(
        static_cast<double>(rig.events.postedCount()), benchmark::Counter::kAvgIterations);
}

using namespace EventType;
constexpr std::uint64_t ctrl = Flags::control | Flags::leftControl;

// Ctrl + C: no rule, no text; passes with Control and Command exchanged.
void passThrough(benchmark::State& state) {
    Rig rig;
    runCycle(state, rig, {keyEvent(keyDown, 8, ctrl), keyEvent(keyUp, 8, ctrl)});
}
BENCHMARK(passThrough);

// Ctrl + Left: posts Option + Left (four events, each back through the tap); the key-up is
// swallowed.
void chord(benchmark::State& state) {
    Rig rig;
    const std::uint64_t arrow = ctrl | Flags::numericPad | Flags::secondaryFn;
    runCycle(state, rig, {keyEvent(keyDown, 123, arrow), keyEvent(keyUp, 123, arrow)});
}
BENCHMARK(chord);

// Print Screen: the largest chord of the rules, eight posted events.
void chordOfThreeModifiers(benchmark::State& state) {
    Rig rig;
    runCycle(
        state, rig,
        {keyEvent(keyDown, 105, Flags::secondaryFn), keyEvent(keyUp, 105, Flags::secondaryFn)});
}
BENCHMARK(chordOfThreeModifiers);

// The letter A typed from the built-in layout: one Unicode key pair posted.
void builtInText(benchmark::State& state) {
    Rig rig;
    runCycle(state, rig, {keyEvent(keyDown, 0, 0), keyEvent(keyUp, 0, 0)});
}
BENCHMARK(builtInText);

// Left Ctrl down and up: flags-changed events, key code and flags exchanged.
void flagsChanged(benchmark::State& state) {
    Rig rig;
    runCycle(
        state, rig,
        {keyEvent(EventType::flagsChanged, 59, ctrl), keyEvent(EventType::flagsChanged, 59, 0)});
}
BENCHMARK(flagsChanged);

// Tab pressed again and again while Alt stays down: a Tab tap under the held Command.
void altTabStep(benchmark::State& state) {
    Rig rig;
    const std::uint64_t alt = Flags::option | Flags::leftOption;
    rig.send(keyEvent(EventType::flagsChanged, 58, alt));
    runCycle(state, rig, {keyEvent(keyDown, 48, alt), keyEvent(keyUp, 48, alt)});
}
BENCHMARK(altTabStep);

// A click with Ctrl held while Ctrl + click is on: down and up, Control and Command exchanged
// on their flags; not counted, not described.
void mouseClick(benchmark::State& state) {
    KeyboardOptions options = KeyboardOptions::windowsDefaults;
    options.windowsControlClick = true;
    Rig rig(options);
    SimEvent down;
    down.type = leftMouseDown;
    down.flags = ctrl;
    SimEvent up = down;
    up.type = leftMouseUp;
    runCycle(state, rig, {down, up});
}
BENCHMARK(mouseClick);

// An event the engine posted itself, coming back: recognised by its marker and passed.
void ownEvent(benchmark::State& state) {
    Rig rig;
    SimEvent own = keyEvent(keyDown, 96, Flags::control);
    own.userData = KeyboardEngine::syntheticMarker;
    runCycle(state, rig, {own});
}
BENCHMARK(ownEvent);

// A sentence any remapper can type: Ctrl+C, the letter A, Home, Ctrl+Left, F5, pressed on
// the simulated keyboard. Fourteen physical events an iteration; the figure that matters is
// the time per physical event.
void sentence(benchmark::State& state) {
    Rig rig;
    SimKeyboard& keys = rig.keyboard;
    const auto type = [&] {
        keys.press(59), rig.drain(), keys.press(8), rig.drain(), keys.release(8), rig.drain();
        keys.release(59), rig.drain();                                 // Ctrl + C
        keys.press(0), rig.drain(), keys.release(0), rig.drain();      // A
        keys.press(115), rig.drain(), keys.release(115), rig.drain();  // Home
        keys.press(59), rig.drain(), keys.press(123), rig.drain();     // Ctrl + Left
        keys.release(123), rig.drain(), keys.release(59), rig.drain();
        keys.press(96), rig.drain(), keys.release(96), rig.drain();  // F5
    };
    type();
    const auto before = heapAllocations();
    for (auto _ : state) {
        type();
    }
    reportPerEvent(state, 14, before);
}
BENCHMARK(sentence);

}  // namespace

}  // namespace varnel::bench

BENCHMARK_MAIN();
