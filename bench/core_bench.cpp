// The engine's own cost, with no simulated operating system around it: events are plain
// records handed straight to the tap callback, and posting an event does nothing. This is
// the figure to hold against other remapper cores measured without operating-system
// posting.

#include <benchmark/benchmark.h>

#include <array>

#include "engine/keyboard_engine.h"
#include "model/diagnostic_snapshot.h"
#include "model/flags.h"
#include "per_event.h"
#include "platform/sim/manual_main_queue.h"

namespace varnel::bench {

namespace {

struct CoreEvent {
    std::uint32_t type = 0;
    std::int64_t keyCode = 0;
    std::int64_t autorepeat = 0;
    std::int64_t userData = 0;
    std::uint64_t flags = 0;
};

CoreEvent& core(EventRef event) {
    return *reinterpret_cast<CoreEvent*>(event);
}

// Just enough of a platform for the engine: one tap, called directly; posting counts.
class CorePlatform : public EventPlatform {
  public:
    TapRef createTap(TapLocation, TapPlacement, TapOptions, std::uint64_t, TapCallback callback,
                     void* userInfo) override {
        callback_ = callback;
        userInfo_ = userInfo;
        return reinterpret_cast<TapRef>(&callback_);
    }
    RunLoopSourceRef createRunLoopSource(TapRef) override {
        return reinterpret_cast<RunLoopSourceRef>(&userInfo_);
    }
    // The benchmark's own thread is the tap's: there is no other.
    TapThreadRef startTapThread() override { return nullptr; }
    void runOnTapThread(TapThreadRef, void (*work)(void*), void* context) override {
        work(context);
    }
    void endTapThread(TapThreadRef) override {}
    void addToRunLoop(TapThreadRef, RunLoopSourceRef) override {}
    void removeFromRunLoop(TapThreadRef, RunLoopSourceRef) override {}
    void enableTap(TapRef, bool) override {}
    void invalidateTap(TapRef) override {}
    void releaseTap(TapRef) override {}
    void releaseRunLoopSource(RunLoopSourceRef) override {}
    bool isProcessTrusted() override { return true; }
    std::int64_t integerField(EventRef event, EventField field) override {
        switch (field) {
            case EventField::keyboardEventAutorepeat: return core(event).autorepeat;
            case EventField::keyboardEventKeycode: return core(event).keyCode;
            case EventField::eventSourceUserData: return core(event).userData;
            case EventField::keyboardEventKeyboardType: break;  // one keyboard, of type 0
        }
        return 0;
    }
    void setIntegerField(EventRef event, EventField field, std::int64_t value) override {
        switch (field) {
            case EventField::keyboardEventAutorepeat: core(event).autorepeat = value; break;
            case EventField::keyboardEventKeycode: core(event).keyCode = value; break;
            case EventField::eventSourceUserData: core(event).userData = value; break;
            case EventField::keyboardEventKeyboardType: break;
        }
    }
    KeyboardType keyboardLayoutType(std::int64_t) override { return KeyboardType::ansi; }
    std::uint64_t flags(EventRef event) override { return core(event).flags; }
    void setFlags(EventRef event, std::uint64_t flags) override { core(event).flags = flags; }
    EventSourceRef createEventSource(EventSourceState) override { return nullptr; }
    void releaseEventSource(EventSourceRef) override {}
    EventRef createKeyboardEvent(EventSourceRef, std::uint16_t keyCode, bool keyDown) override {
        scratch_ = CoreEvent{keyDown ? EventType::keyDown : EventType::keyUp, keyCode};
        return reinterpret_cast<EventRef>(&scratch_);
    }
    void setUnicodeString(EventRef, const char16_t*, std::size_t) override {}
    void postEvent(TapLocation, EventRef) override { ++posted; }
    void releaseEvent(EventRef) override {}
    std::uint64_t physicalModifierFlags() override { return 0; }
    double monotonicTime() override { return now; }

    EventRef deliver(CoreEvent& event) {
        return callback_(nullptr, event.type, reinterpret_cast<EventRef>(&event), userInfo_);
    }

    double now = 0;
    std::uint64_t posted = 0;

  private:
    TapCallback callback_ = nullptr;
    void* userInfo_ = nullptr;
    CoreEvent scratch_;
};

// Ctrl+C, the letter A, Home, Ctrl+Left, F5: fourteen physical events with the flags a Mac
// reports.
std::array<CoreEvent, 14> sentenceEvents() {
    using namespace EventType;
    const std::uint64_t ctrl = Flags::control | Flags::leftControl | Flags::nonCoalesced;
    const std::uint64_t plain = Flags::nonCoalesced;
    const std::uint64_t fn = Flags::secondaryFn | Flags::nonCoalesced;
    const std::uint64_t arrow = ctrl | Flags::secondaryFn | Flags::numericPad;
    return {{
        {flagsChanged, 59, 0, 0, ctrl},
        {keyDown, 8, 0, 0, ctrl},
        {keyUp, 8, 0, 0, ctrl},
        {flagsChanged, 59, 0, 0, plain},
        {keyDown, 0, 0, 0, plain},
        {keyUp, 0, 0, 0, plain},
        {keyDown, 115, 0, 0, fn},
        {keyUp, 115, 0, 0, fn},
        {flagsChanged, 59, 0, 0, ctrl},
        {keyDown, 123, 0, 0, arrow},
        {keyUp, 123, 0, 0, arrow},
        {flagsChanged, 59, 0, 0, plain},
        {keyDown, 96, 0, 0, fn},
        {keyUp, 96, 0, 0, fn},
    }};
}

// The engine's diagnostics as the interface takes them: the latest snapshot kept, its
// texts copied and read. An owner that ignored them would leave their cost unmeasured.
struct DiagnosticsReader {
    DiagnosticSnapshot shown;
    std::uint64_t textBytes = 0;

    void operator()(const DiagnosticSnapshot& snapshot) {
        shown = snapshot;
        textBytes += shown.lastPhysicalKey.size() + shown.lastTransformedAction.size();
    }
};

// The sentence typed again and again; the main queue runs after every event, as it does
// between keys on a Mac, or, `busy`, once a sentence, as when the main thread was held up
// meanwhile: the fourteen events then share one delivery of the diagnostics.
template <bool busy>
void typeSentences(benchmark::State& state) {
    SimClock clock;
    CorePlatform platform;
    ManualMainQueue queue(clock);
    auto engine = KeyboardEngine::make(platform, queue);
    DiagnosticsReader reader;
    engine->onDiagnosticChange = [&reader](const DiagnosticSnapshot& s) { reader(s); };
    engine->start();
    const std::array<CoreEvent, 14> sentence = sentenceEvents();
    const auto drain = [&] {
        while (queue.runOne()) {
        }
    };
    const auto type = [&] {
        for (CoreEvent event : sentence) {
            benchmark::DoNotOptimize(platform.deliver(event));
            if constexpr (!busy) {
                drain();
            }
            platform.now += 0.001;  // a fast typist's pace: the rate guard stays quiet
        }
        if constexpr (busy) {
            drain();
        }
    };
    type();
    const auto before = heapAllocations();
    for (auto _ : state) {
        type();
    }
    reportPerEvent(state, 14, before);
    benchmark::DoNotOptimize(reader.textBytes);
    // The sentence ends with F5 released: the interface shows F5 and what it became.
    if (reader.shown.lastPhysicalKey != "F5" ||
        reader.shown.lastTransformedAction != "F5 → обновить") {
        state.SkipWithError("the diagnostics shown are not the sentence's last event");
    }
}

// The figure to hold against other remapper cores.
void sentenceCore(benchmark::State& state) {
    typeSentences</*busy=*/false>(state);
}
BENCHMARK(sentenceCore);

void sentenceCoreBusyMainThread(benchmark::State& state) {
    typeSentences</*busy=*/true>(state);
}
BENCHMARK(sentenceCoreBusyMainThread);

}  // namespace

}  // namespace varnel::bench
