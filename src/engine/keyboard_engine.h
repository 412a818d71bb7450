#pragma once

#include <bitset>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "engine/event_emitter.h"
#include "engine/event_platform.h"
#include "engine/main_queue.h"
#include "model/diagnostic_snapshot.h"
#include "model/engine_state.h"
#include "model/keyboard_options.h"
#include "model/windows_typing_language.h"

namespace varnel {

// Sits on a keyboard event tap and decides, for every event, whether it passes unchanged,
// passes with Control and Command exchanged, is dropped, or is replaced by events the
// emitter posts. Lives in a std::shared_ptr: queued reports hold it weakly.
//
// Everything runs on the main thread. The lock guards installing and removing the tap;
// onStateChange is called with it held (from start(), stop() and destruction), so a
// handler must not start or stop the engine synchronously.
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

    // Replaced whole by the owner at any time; the next event uses it.
    KeyboardOptions options = KeyboardOptions::windowsDefaults;

    // Installs the tap; true when it is installed (or already was).
    bool start();
    // Removes the tap, releases every synthetic modifier and reports stopped.
    void stop();
    void setTypingLanguage(WindowsTypingLanguage language);

    // The tap's C-callable entry; userInfo is the engine, not retained.
    static EventRef callback(void* proxy, std::uint32_t type, EventRef event, void* userInfo);

    // Whether a synthetic modifier (the Command of Alt + Tab) is held down right now.
    bool holdsSyntheticModifier() const { return emitter_.holdsAnyModifier(); }

  private:
    EventRef process(std::uint32_t type, EventRef event);
    EventRef processKeyDown(EventRef event, std::uint16_t keyCode, std::uint64_t physicalFlags);
    EventRef processFlagsChanged(EventRef event, std::uint16_t keyCode,
                                 std::uint64_t physicalFlags);
    EventRef passThrough(EventRef event, std::uint16_t keyCode, std::uint64_t physicalFlags);
    // The key as the system sees it after the exchange, written into `out`.
    static void transformedDescription(std::uint16_t keyCode, std::uint64_t physicalFlags,
                                       std::string& out);
    // Drops a replaced key-down; its key-up will be dropped too.
    EventRef dropReplaced(EventRef event, std::uint16_t keyCode);

    void publishDiagnostic();
    void stopLocked();
    void enterSafeMode(std::string_view message);
    void reportState(const EngineState& state);
    // Queues a call of `report` on the engine, if it still exists then.
    template <class Report>
    void queue(Report report);

    EventPlatform& platform_;
    MainQueue& mainQueue_;
    TapRef eventTap_ = nullptr;
    RunLoopSourceRef runLoopSource_ = nullptr;
    EventEmitter emitter_;
    std::bitset<65536> suppressedKeyCodes_;
    bool altTabSessionActive_ = false;
    bool languageChordLatched_ = false;
    WindowsTypingLanguage typingLanguage_ = WindowsTypingLanguage::english;
    bool enabled_ = false;
    DiagnosticSnapshot diagnostic_;
    std::deque<DiagnosticSnapshot> queuedSnapshots_;  // copies on their way to the owner
    std::vector<std::uint32_t> freeSnapshotSlots_;
    double rateWindowStarted_;
    std::int64_t rateWindowCount_ = 0;
    std::mutex lock_;
};

template <class Report>
void KeyboardEngine::queue(Report report) {
    mainQueue_.async([weak = weak_from_this(), report = std::move(report)] {
        if (auto self = weak.lock()) {
            report(*self);
        }
    });
}

}  // namespace varnel
