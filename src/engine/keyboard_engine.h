#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <type_traits>

#include "engine/diagnostic_facts.h"
#include "engine/diagnostic_mailbox.h"
#include "engine/event_emitter.h"
#include "engine/event_platform.h"
#include "engine/keyboard_layouts.h"
#include "engine/main_queue.h"
#include "mapping/key_context.h"
#include "model/diagnostic_snapshot.h"
#include "model/engine_state.h"
#include "model/keyboard_options.h"
#include "model/windows_typing_language.h"

namespace varnel {

// Sits on a keyboard event tap and decides, for every event, whether it passes unchanged,
// passes with Control and Command exchanged, is dropped, or is replaced by events the
// emitter posts. Lives in a std::shared_ptr: queued reports hold it weakly.
//
// Two threads. The tap runs on a thread of its own (the platform's tap thread, made at the first
// start and ended with the engine), so that no key waits for the main thread; where no such
// thread can be had, the tap goes on the main run loop, as it once did. Everything the tap
// touches is the tap thread's alone: the owner's operations (start, stop, the options, the
// language, the pause, the context) are called on the main thread and each runs its work on the
// tap thread, between two callbacks, while the main thread waits; the tap never waits for the
// main thread. What the tap has for the owner (the diagnostics, the reports) goes through the
// mailbox and reaches the owner on the main thread, before it waits.
//
// The lock serialises start, stop and destruction on the main thread; onStateChange is called
// with it held, so a handler must not start or stop the engine synchronously. A stop inside
// the tap's own callback (safe mode, a lost permission) only disables the tap there; the tap
// is removed once the callback has returned.
//
// Whenever the engine starts or stops, and when its tap comes back after the system had
// disabled it, the application is told which Control and Command keys are down under the
// mapping now in force (the handover): every key it saw go down later comes up under the
// same key code.
class KeyboardEngine : public std::enable_shared_from_this<KeyboardEngine> {
  public:
    // Field 42 of every event the emitter posts: a zero byte, then "VARNELX" in ASCII.
    static constexpr std::int64_t syntheticMarker = 0x0056'4152'4E45'4C58;
    // The rate guard: at most this many physical events in one fixed window.
    static constexpr double rateWindowSeconds = 1.0;
    static constexpr std::int64_t maxEventsPerWindow = 1500;

    static std::shared_ptr<KeyboardEngine> make(EventPlatform& platform, MainQueue& mainQueue);
    KeyboardEngine(EventPlatform& platform, MainQueue& mainQueue);
    // Stops as stop() does and reports stopped; queued reports are dropped.
    ~KeyboardEngine();
    KeyboardEngine(const KeyboardEngine&) = delete;
    KeyboardEngine& operator=(const KeyboardEngine&) = delete;

    // Reports. onStateChange is called synchronously by start(), stop() and destruction;
    // everything else is queued on the main queue. Each is read when it is to be called.
    std::function<void(const EngineState&)> onStateChange;
    std::function<void(const DiagnosticSnapshot&)> onDiagnosticChange;
    std::function<void()> onEmergencyStop;
    std::function<void(WindowsTypingLanguage)> onLanguageToggle;
    // The system disabled the tap for timeout and the process is no longer trusted for
    // Accessibility: the engine has stopped rather than stall the keyboard again.
    std::function<void()> onPermissionLost;

    // Replaced whole by the owner at any time; the next event uses it. The tap sees the mouse
    // buttons only while options.windowsControlClick is on (their presses alone while
    // options.windowsKeyShortcuts is): while running, a new tap replaces the old one when that
    // changes (keyboard_engine_mouse.cpp).
    void setOptions(const KeyboardOptions& options);
    // The options last set.
    const KeyboardOptions& options() const { return ownerOptions_; }

    // Installs the tap; true when it is installed (or already was).
    bool start();
    // Removes the tap, releases every synthetic modifier and reports stopped.
    void stop();
    void setTypingLanguage(WindowsTypingLanguage language);

    // The tap's C-callable entry; userInfo is the engine, not retained.
    static EventRef callback(void* proxy, std::uint32_t type, EventRef event, void* userInfo);

    // Whether a synthetic modifier (the Command of Alt + Tab) is held down right now. From any
    // thread.
    bool holdsSyntheticModifier() const { return emitter_.holdsAnyModifier(); }

    // Set by the owner at any time (keyboard_engine_pause.cpp). Paused, every event passes as
    // it is, as if the mode were off: no chords, no typing, no exchange, no diagnostics. The
    // Control and Command keys held are handed over at each change, as at a start and a stop.
    void setPaused(bool paused);
    bool isPaused();
    // Set by the owner whenever the application in front, its focus or the system changes
    // (keyboard_engine_context.cpp): the next key is decided in it. Files cut in Finder are
    // forgotten when the application changes; a key held across the change goes on as it
    // began.
    void setKeyContext(const KeyContext& context);
    // The context as the tap has it now, with the tap's own fact (files cut).
    KeyContext keyContext();

  private:
    // Runs `work` on the tap thread and returns once it has run; with no tap thread (before
    // the first start, or none to be had), here. Main thread only.
    template <class Work>
    void onTapThread(Work&& work);
    // The tap with its source on the tap thread's run loop, enabled, and the keys handed over;
    // the reason when the system refuses. On the tap thread.
    std::optional<EngineState> install();
    // A new tap for the event types the options now want, instead of the one there.
    void refreshEventMask();
    // The pause taking effect, on the tap thread (keyboard_engine_pause.cpp).
    void applyPause(bool paused);

    EventRef process(std::uint32_t type, EventRef event);
    // Whatever the deciding path does not take: the tap's notices, mouse buttons, and every
    // event while stopped or paused.
    EventRef processAside(std::uint32_t type, EventRef event);
    // A mouse button event: Control and Command exchanged on its flags, nothing else.
    EventRef processMouse(EventRef event);
    // Any key event while paused: it passes as it is.
    EventRef passWhilePaused(EventRef event);
    // The event types the tap is to see with the current options.
    std::uint64_t wantedEventMask() const;
    // A tap for these event types; null when the system refuses it, or when the process is not
    // trusted (the system would make a tap that sees no key).
    TapRef createTap(std::uint64_t eventMask);
    EventRef processTapDisabled(std::uint32_t type, EventRef event);
    EventRef processKeyDown(EventRef event, std::uint16_t keyCode, std::uint64_t physicalFlags,
                            bool languageToggleJustMade);
    EventRef processAltTab(EventRef event, std::uint16_t keyCode, std::uint64_t physicalFlags,
                           bool languageToggleJustMade);
    // An arrow or Escape pressed during Alt + Tab: it drives the switcher.
    EventRef processSwitcherKey(EventRef event, std::uint16_t keyCode, std::uint64_t physicalFlags);
    EventRef processFlagsChanged(EventRef event, std::uint16_t keyCode,
                                 std::uint64_t physicalFlags);
    // Passes the event with Control and Command exchanged in its flags; `passedKeyCode` is the
    // key code it goes on with (exchanged too for a modifier key).
    EventRef passThrough(EventRef event, std::uint16_t passedKeyCode, std::uint64_t physicalFlags);
    // Drops a replaced key-down; its key-up will be dropped too.
    EventRef dropReplaced(EventRef event, std::uint16_t keyCode);

    // Switches the typing language and tells the owner; `announce` shows it in the
    // diagnostics at once.
    void toggleLanguage(bool announce);
    void endAltTab(std::uint64_t physicalFlags);
    // The modifiers the application holds from the user's keys, as it sees them.
    static std::uint64_t heldByUser(std::uint64_t physicalFlags);
    // The flags of the synthetic modifiers held (the Command of Alt + Tab).
    std::uint64_t syntheticFlags() const {
        return altTabSessionActive_ ? EventEmitter::flag(EventEmitter::Modifier::command) : 0;
    }
    // Tells the application that the Control and Command keys it may hold (`mayHold`, device
    // bits) are up, and those the user physically holds, under the mapping in force, down.
    void handOverControlAndCommand(std::uint64_t mayHold, std::uint64_t surelyHeld,
                                   std::uint64_t physicalFlags, bool exchanged);
    // After a gap in which the tap was off: ends what lost its key, hands the keys over.
    void catchUpAfterGap();
    // The Control and Command keys (device bits) the application holds, as last seen.
    std::uint64_t applicationKeys() const;

    // The Windows key went up with nothing pressed since it went down: Spotlight, as Start.
    void windowsKeyTapped(std::uint64_t physicalFlags);
    // What was begun under the mapping and ends with it: files cut, a tap of the Windows key.
    void forgetPendingGestures() {
        keyContext_.filesCut = false;
        windowsKeyAlone_ = false;
    }

    // The diagnostics changed: the main thread delivers them before it next waits.
    void publishDiagnostic() { diagnostics_.changed(diagnostic_); }
    // The main thread's work before waiting: what was posted, then the live diagnostics.
    static void beforeWaiting(void* engine);
    // Runs what was posted; false when the engine is gone after it.
    bool runPosted();
    // Hands the owner the snapshot of these facts, if it listens.
    void deliverDiagnostic(const DiagnosticFacts& facts);
    // `insideCallback`: called from the tap's own callback (safe mode, a lost permission).
    void stopLocked(bool insideCallback);
    // Removes, invalidates and releases the tap (never inside its callback); on the tap thread.
    void removeTap();
    void enterSafeMode(std::string_view message);
    void reportState(const EngineState& state);
    // Calls `work` on the engine before the main thread next waits, if the engine exists then.
    template <class Work>
    void later(Work work);
    // Reports to the owner before the main thread next waits, after the diagnostics of the
    // events before it.
    template <class Report>
    void report(Report report);

    EventPlatform& platform_;
    MainQueue& mainQueue_;
    // The owner's side, main thread only.
    std::mutex lock_;
    TapThreadRef tapThread_ = nullptr;
    KeyboardOptions ownerOptions_ = KeyboardOptions::windowsDefaults;

    // The tap's side: the tap thread only (or the main thread while there is no tap thread).
    KeyboardOptions options_ = KeyboardOptions::windowsDefaults;
    TapRef eventTap_ = nullptr;
    RunLoopSourceRef runLoopSource_ = nullptr;
    EventEmitter emitter_;
    std::bitset<65536> suppressedKeyCodes_;
    bool altTabSessionActive_ = false;
    bool languageChordLatched_ = false;
    // The last event toggled the language: a Tab next makes it Alt + Shift + Tab instead.
    bool languageToggleJustMade_ = false;
    // The physical flags of the last event the engine saw, or of the system's state at the
    // last handover: the application holds their Control and Command keys exchanged, or as
    // they are while paused.
    std::uint64_t lastPhysicalFlags_ = 0;
    // diagnostic_.typingLanguage follows it wherever it changes.
    WindowsTypingLanguage typingLanguage_ = WindowsTypingLanguage::english;
    bool enabled_ = false;
    bool paused_ = false;
    // How many event types from EventType::keyDown on take the deciding path: the three key
    // types while running and not paused, none otherwise. Follows enabled_ and paused_.
    std::uint32_t decidedKeyTypes_ = 0;
    void keyPathChanged() {
        decidedKeyTypes_ =
            enabled_ && !paused_ ? EventType::flagsChanged - EventType::keyDown + 1 : 0;
    }
    KeyContext keyContext_;
    // A Windows key is down and nothing else was pressed since: its release is a tap.
    bool windowsKeyAlone_ = false;
    // The layout of the keyboard each typed key came from: on ISO the built-in layouts look two
    // keys up at their ANSI places (while options.isoKeyboardLayout is on).
    KeyboardLayouts keyboardLayouts_;
    std::uint64_t tapEventMask_ = 0;  // of the tap installed
    bool tapRetired_ = false;         // disabled inside its callback, removal queued
    // What the engine last saw and did, as facts; put into words on the main queue.
    DiagnosticFacts diagnostic_;
    DiagnosticMailbox diagnostics_;
    double rateWindowStarted_;
    std::int64_t rateWindowCount_ = 0;
};

template <class Work>
void KeyboardEngine::onTapThread(Work&& work) {
    if (tapThread_ == nullptr) {
        work();
        return;
    }
    platform_.runOnTapThread(
        tapThread_,
        [](void* context) { (*static_cast<std::remove_reference_t<Work>*>(context))(); }, &work);
}

// Posted work dies with the engine's mailbox, so it may hold the engine plainly.
template <class Work>
void KeyboardEngine::later(Work work) {
    diagnostics_.post([this, work = std::move(work)] { work(*this); });
}

template <class Report>
void KeyboardEngine::report(Report report) {
    diagnostics_.postReport([this, report = std::move(report)] { report(*this); }, diagnostic_);
}

}  // namespace varnel
