#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app_state_invariants.h"
#include "platform/sim/sim_mac.h"

namespace varnel {

// What a random run did, for the soak's report.
struct InvariantCounts {
    std::uint64_t steps = 0;
    std::uint64_t physicalEvents = 0;
    std::uint64_t flagsChangedSent = 0;
    std::uint64_t flagsChangedReceived = 0;
    std::uint64_t eventsReceived = 0;
    std::uint64_t quietChecks = 0;  // times every key was up and the queue drained
    std::uint64_t emergencyChords = 0;
    std::uint64_t toggles = 0;
    std::uint64_t optionChanges = 0;
    std::uint64_t waits = 0;
    std::uint64_t wakes = 0;
    std::uint64_t tapDisables = 0;
    std::uint64_t safeModeStops = 0;
};

// Random streams of key presses, releases, repeats, chords, waits, option changes, mode
// toggles, tap-disabled notices, wakes and emergency chords through the whole controller
// on a simulated Mac, with the invariants checked after every step:
// - no flags-changed event is ever dropped;
// - once every physical key is up and the main queue has drained, the engine holds no
//   synthetic modifier and the application holds no key down that it saw go down, and
//   reads no modifier in the flags it saw last;
// - the engine never counts more events replaced than examined;
// - after an emergency chord the mode is off and "modeEnabled" is false;
// - the controller's own, AppStateInvariants.
class InvariantRun {
  public:
    explicit InvariantRun(std::uint64_t seed);

    // Runs until about `physicalEvents` physical events have been sent; the first broken
    // invariant, with the step that broke it, or nothing.
    std::optional<std::string> run(std::uint64_t physicalEvents);
    const InvariantCounts& counts() const { return counts_; }

  private:
    void step();
    void press(std::uint16_t key);
    void release(std::uint16_t key);
    void releaseEverything();
    void emergencyChord();
    std::uint16_t randomKey();
    std::optional<std::string> check();

    SimMac mac_;
    std::shared_ptr<AppState> state_;
    AppStateInvariants appStateInvariants_;
    std::mt19937_64 random_;
    InvariantCounts counts_;
    std::vector<bool> appDown_ = std::vector<bool>(65536, false);
    std::uint64_t appDownCount_ = 0;
    std::uint64_t lastFlags_ = 0;
    bool justDidEmergencyChord_ = false;
    std::string lastStep_;
};

}  // namespace varnel
