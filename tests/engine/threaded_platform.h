#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "engine/event_platform.h"

namespace varnel {

// An event platform with a real tap thread, for checking what crosses between threads: the tap
// thread runs the work handed to it and, between two pieces of work, plays the system, feeding
// random key downs and ups, modifier changes and mouse presses through the installed tap and
// then through it again whatever the tap posted, as a Mac does. What passes reaches a pretend
// application, which keeps the keys it believes down. The clock moves a millisecond an event,
// so that the rate guard sees a fast typist, not a flood.
class ThreadedPlatform : public EventPlatform {
  public:
    ThreadedPlatform() = default;
    ~ThreadedPlatform() override;

    TapThreadRef startTapThread() override;
    void runOnTapThread(TapThreadRef thread, void (*work)(void*), void* context) override;
    void endTapThread(TapThreadRef thread) override;
    TapRef createTap(TapLocation, TapPlacement, TapOptions, std::uint64_t eventMask,
                     TapCallback callback, void* userInfo) override;
    RunLoopSourceRef createRunLoopSource(TapRef tap) override;
    void addToRunLoop(TapThreadRef thread, RunLoopSourceRef source) override;
    void removeFromRunLoop(TapThreadRef thread, RunLoopSourceRef source) override;
    void enableTap(TapRef tap, bool enable) override;
    void invalidateTap(TapRef tap) override;
    void releaseTap(TapRef tap) override;
    void releaseRunLoopSource(RunLoopSourceRef) override {}
    bool isProcessTrusted() override { return true; }
    std::int64_t integerField(EventRef event, EventField field) override;
    void setIntegerField(EventRef event, EventField field, std::int64_t value) override;
    // Two keyboards take turns: type 1 is ISO, any other ANSI.
    KeyboardType keyboardLayoutType(std::int64_t type) override {
        return type == 1 ? KeyboardType::iso : KeyboardType::ansi;
    }
    std::uint64_t flags(EventRef event) override;
    void setFlags(EventRef event, std::uint64_t flags) override;
    EventSourceRef createEventSource(EventSourceState) override { return nullptr; }
    void releaseEventSource(EventSourceRef) override {}
    EventRef createKeyboardEvent(EventSourceRef, std::uint16_t keyCode, bool keyDown) override;
    void setUnicodeString(EventRef, const char16_t*, std::size_t) override {}
    void postEvent(TapLocation, EventRef event) override;
    void releaseEvent(EventRef event) override;
    std::uint64_t physicalModifierFlags() override { return held_; }
    double monotonicTime() override { return static_cast<double>(ticks_) / 1000.0; }

    // Asks the tap thread to let go of every key it holds and stop typing; returns once it has.
    void releaseEverything();
    // What the pretend application holds now (read once the tap thread is idle).
    std::size_t applicationKeysDown() const;
    std::uint64_t applicationFlags() const { return applicationFlags_; }
    std::int64_t liveEvents() const { return liveEvents_; }
    std::uint64_t physicalEvents() const { return physicalEvents_; }
    std::uint64_t wrongThreadCalls() const { return wrongThreadCalls_; }

  private:
    struct Event {
        std::uint32_t type = 0;
        std::int64_t keyCode = 0;
        std::int64_t autorepeat = 0;
        std::int64_t userData = 0;
        std::uint64_t flags = 0;
        std::int64_t keyboardType = 0;
    };
    struct Tap {
        TapCallback callback;
        void* userInfo;
        std::uint64_t mask;
        bool enabled = false;
        bool inRunLoop = false;
        bool valid = true;
    };
    void loop();
    void feedOne();
    void deliver(Event event);
    void receive(const Event& event);
    // A call the engine makes only on its tap thread, counted when it comes from elsewhere.
    void onTapThreadOnly();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> work_;
    bool ending_ = false;
    bool typing_ = false;
    std::thread thread_;
    std::thread::id tapThreadId_;

    // The tap thread's alone (and the main thread's before the thread exists).
    std::vector<std::unique_ptr<Tap>> taps_;
    std::vector<Event> posted_;
    std::mt19937_64 random_{20261211};
    std::vector<std::uint16_t> downKeys_;
    std::vector<bool> applicationDown_ = std::vector<bool>(128, false);
    std::atomic<std::uint64_t> held_{0};
    std::atomic<std::uint64_t> applicationFlags_{0};
    std::atomic<std::uint64_t> ticks_{1000};
    std::atomic<std::int64_t> liveEvents_{0};
    std::atomic<std::uint64_t> physicalEvents_{0};
    std::atomic<std::uint64_t> wrongThreadCalls_{0};
};

}  // namespace varnel
