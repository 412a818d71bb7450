#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/event_platform.h"
#include "platform/sim/sim_clock.h"

namespace varnel {

// One keyboard event of the simulated Mac.
struct SimEvent {
    std::uint32_t type = 0;
    std::int64_t keyCode = 0;       // field 9
    std::int64_t autorepeat = 0;    // field 8
    std::int64_t keyboardType = 0;  // field 10, the type of the keyboard it came from
    std::int64_t userData = 0;      // field 42
    std::uint64_t flags = 0;
    std::u16string text;
};

// What the frontmost application receives.
struct ReceivedEvent {
    std::uint32_t type;
    std::uint16_t keyCode;
    std::uint64_t flags;
    std::u16string text;
    std::int64_t userData = 0;                   // field 42: who posted it
    KeyboardType keyboard = KeyboardType::ansi;  // of the keyboard it came from
};

// The event side of the simulated Mac. An event goes through the session taps in order
// (each may pass, change or drop it) and then reaches the frontmost application. An event
// posted at the HID level is queued and travels the same path after the current callback
// has returned, in the order posted, so it comes back through the poster's own tap.
//
// A tap's source goes on the main run loop or on the run loop of a tap thread of its own.
// The simulated tap thread is free whenever a physical event arrives (work run on it runs at
// once); the main thread may be busy (setMainBusyUntil).
//
// It is as unkind as a Mac where that matters:
// - a tap disabled by the system hears of it only when its run loop's thread is free again
//   (the main thread, or the next wait for a notice held `later`); keys typed in between reach
//   the application untouched;
// - a key that reaches a tap on the main run loop while the main thread is busy waits for it;
//   one that would wait more than a second gets the tap disabled for timeout instead, and
//   passes untouched;
// - while the process is not trusted (Accessibility), a new tap's mask loses the key downs and
//   ups, and the tap is refused only when nothing is left; an active tap stalls at the first
//   event that reaches it and is disabled for timeout; the event goes on unchanged;
// - a keyboard event made for a modifier key is a flags-changed event;
// - every key event carries the type of the keyboard it came from, and one Varnel makes the
//   type of the keyboard typed on last, as an event source of the session does;
// - while secure input is on, key downs and ups pass every tap unseen (modifier changes are
//   still seen);
// - tearing a tap down inside its own callback, or taking an enabled tap's source off the run
//   loop, is reported through onMisuse.
class SimEventSystem : public EventPlatform {
  public:
    explicit SimEventSystem(SimClock& clock);
    ~SimEventSystem() override;

    // EventPlatform
    TapThreadRef startTapThread() override;
    void runOnTapThread(TapThreadRef thread, void (*work)(void* context), void* context) override;
    void endTapThread(TapThreadRef thread) override;
    TapRef createTap(TapLocation location, TapPlacement placement, TapOptions options,
                     std::uint64_t eventMask, TapCallback callback, void* userInfo) override;
    RunLoopSourceRef createRunLoopSource(TapRef tap) override;
    void addToRunLoop(TapThreadRef thread, RunLoopSourceRef source) override;
    void removeFromRunLoop(TapThreadRef thread, RunLoopSourceRef source) override;
    void enableTap(TapRef tap, bool enable) override;
    void invalidateTap(TapRef tap) override;
    void releaseTap(TapRef tap) override;
    void releaseRunLoopSource(RunLoopSourceRef source) override;
    bool isProcessTrusted() override { return !processTrusted || processTrusted(); }
    std::int64_t integerField(EventRef event, EventField field) override;
    void setIntegerField(EventRef event, EventField field, std::int64_t value) override;
    KeyboardType keyboardLayoutType(std::int64_t keyboardType) override;
    std::uint64_t flags(EventRef event) override;
    void setFlags(EventRef event, std::uint64_t flags) override;
    EventSourceRef createEventSource(EventSourceState state) override;
    void releaseEventSource(EventSourceRef source) override;
    EventRef createKeyboardEvent(EventSourceRef source, std::uint16_t keyCode,
                                 bool keyDown) override;
    void setUnicodeString(EventRef event, const char16_t* units, std::size_t count) override;
    void postEvent(TapLocation location, EventRef event) override;
    void releaseEvent(EventRef event) override;
    std::uint64_t physicalModifierFlags() override { return physicalModifierFlags_; }
    double monotonicTime() override { return clock_.now(); }

    // The keyboard types the simulated keyboards report: those of Apple's USB keyboards.
    static constexpr std::int64_t keyboardTypeOf(KeyboardType layout) {
        return 204 + static_cast<std::int64_t>(layout);
    }

    // A physical event enters: it travels the taps now, then everything it caused.
    void inject(const SimEvent& event);
    // Delivers the events posted outside a tap callback (by queued work, say), and the
    // notices of taps the system disabled for stalling.
    void deliverPosted();
    bool hasPosted() const { return postedHead_ < posted_.size(); }
    // The system disables every active tap and sends each the notice
    // (EventType::tapDisabledByTimeout or tapDisabledByUserInput): at once, or `later`, when
    // the main thread is next free (deliverHeldNotices).
    void disableTapsBySystem(std::uint32_t notice, bool later = false);
    void deliverHeldNotices();
    // Whether a disabled tap still waits for its notice: keys meanwhile pass untouched.
    bool hasHeldNotices() const;
    // The main thread is busy until this time on the clock: taps on the main run loop wait.
    void setMainBusyUntil(double time) { mainBusyUntil_ = time; }
    bool isMainBusy() const { return clock_.now() < mainBusyUntil_; }
    double mainBusyUntil() const { return mainBusyUntil_; }
    // How long the system waits for a tap before it disables it for timeout.
    static constexpr double tapTimeoutSeconds = 1.0;
    // The longest a key event waited for a tap's thread before it went on, in seconds.
    double longestKeyWait() const { return longestKeyWait_; }
    // The keyboard's state, as the HID system reports it.
    void setPhysicalModifierFlags(std::uint64_t flags) { physicalModifierFlags_ = flags; }

    // The frontmost application.
    std::function<void(const ReceivedEvent&)> onReceive;
    // A use of the system that a Mac does not allow or that holds the keyboard up.
    std::function<void(const std::string&)> onMisuse;

    // Whether the process is trusted for Accessibility; absent means trusted.
    std::function<bool()> processTrusted;
    // Whether some process has secure keyboard input on; absent means off.
    std::function<bool()> secureInput;
    // Failures on demand: a tap is refused while this answers false (as without Input
    // Monitoring); tap threads, run-loop sources, event sources and keyboard events fail while
    // their flag is set.
    bool failTapThreadCreation = false;
    std::function<bool()> tapAllowed;
    bool failRunLoopSourceCreation = false;
    bool failEventSourceCreation = false;
    bool failKeyboardEventCreation = false;

    // What tests look at.
    std::size_t liveTapCount() const;    // created and not yet released
    std::size_t activeTapCount() const;  // in the run loop, enabled and valid
    std::size_t liveEventCount() const { return liveEvents_; }
    std::size_t liveEventSourceCount() const { return liveSources_; }
    std::size_t postedCount() const { return postedTotal_; }
    std::size_t layoutQueryCount() const { return layoutQueries_; }
    std::size_t liveTapThreadCount() const;

  private:
    struct Tap;
    struct Source;
    struct TapThread;
    // A tap on the main run loop while the main thread is busy: the event waits, or, past the
    // timeout, the system disables the tap. Whether the event goes through the tap.
    bool waitForMainThread(Tap& tap);
    void deliver(SimEvent& event);
    // Calls the tap's callback; tearing the tap down meanwhile is a misuse.
    EventRef call(Tap& tap, std::uint32_t type, EventRef event);
    void deliverNotices(bool heldOnes);
    bool isServiced(const Tap& tap) const;  // its port is on the run loop
    bool isActive(const Tap& tap) const;
    void misuse(Tap& tap, const char* what);
    SimEvent* acquireEvent();
    void collectReleasedTaps();

    SimClock& clock_;
    std::vector<std::unique_ptr<Tap>> taps_;  // head first
    std::vector<std::unique_ptr<Source>> sources_;
    std::vector<std::unique_ptr<TapThread>> threads_;
    double mainBusyUntil_ = 0;
    double longestKeyWait_ = 0;
    std::vector<std::unique_ptr<SimEvent>> eventPool_;
    std::vector<SimEvent> posted_;
    std::size_t postedHead_ = 0;
    std::size_t postedTotal_ = 0;
    int deliveryDepth_ = 0;
    Tap* inCallback_ = nullptr;
    bool maybeNotices_ = false;  // a tap may have a notice waiting
    std::uint64_t physicalModifierFlags_ = 0;
    std::int64_t lastKeyboardType_ = keyboardTypeOf(KeyboardType::ansi);  // typed on last
    std::size_t layoutQueries_ = 0;
    std::size_t releasedTaps_ = 0;  // released while a delivery walked the list
    std::size_t liveEvents_ = 0;
    std::size_t liveSources_ = 0;
};

}  // namespace varnel
