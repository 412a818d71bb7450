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
    std::uint64_t heldKeyChecks = 0;  // steps after which the held keys were compared
    std::uint64_t quietChecks = 0;    // times every key was up and the queue drained
    std::uint64_t emergencyChords = 0;
    std::uint64_t toggles = 0;
    std::uint64_t optionChanges = 0;
    std::uint64_t waits = 0;
    std::uint64_t wakes = 0;
    std::uint64_t tapDisables = 0;
    std::uint64_t gaps = 0;  // taps disabled with the notice held until the next wait
    std::uint64_t permissionRevocations = 0;
    std::uint64_t permissionStops = 0;  // the mode stopped by a lost permission
    std::uint64_t safeModeStops = 0;
    std::uint64_t frontmostSwitches = 0;
    std::uint64_t focusMoves = 0;
    std::uint64_t filesCut = 0;  // times Ctrl + X left files waiting to be moved
    std::uint64_t secureInputFlips = 0;
    std::uint64_t keyboardSwitches = 0;
    std::uint64_t clicks = 0;
    std::uint64_t clickChecks = 0;  // clicks whose flags were compared
};

// Random streams of key presses, releases, repeats, chords, clicks, waits, option changes,
// mode toggles with keys held, tap-disabled notices (at once, or after a gap in which keys
// pass untouched), Accessibility taken away and given back, wakes, emergency chords, another
// application coming to the front (one of each profile and one left alone among them), the
// focus moving in and out of a text field, the keys coming from another keyboard (ANSI, ISO,
// JIS), and secure input coming and going (each time for at least as long as Varnel takes to
// read it) through the whole
// controller on a simulated Mac, with the invariants checked after every step:
// - the application holds a modifier key (by key code, from the device bit of each
//   flags-changed event) exactly when the user physically holds the key that maps to it
//   under the mapping in force, or the engine holds it as a synthetic modifier; checked
//   whenever no gap is open (in a gap the engine cannot know);
// - the application holds no other key that the user does not physically hold;
// - no synthetic modifier is held without its physical key (Alt for Alt + Tab);
// - a click carries the modifiers under the mapping in force: exchanged while the engine
//   remaps and Ctrl + click is on, as they are otherwise;
// - no flags-changed event is ever dropped, and the simulated system is never misused;
// - once every physical key is up and the main queue has drained, the engine holds no
//   synthetic modifier and the application reads no modifier in the flags it saw last;
// - the engine never counts more events replaced than examined;
// - files cut in Finder wait to be moved only while Finder's profile is in force;
// - after an emergency chord or the rate guard the mode is off and "modeEnabled" is false;
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
    void burst();
    void flipAccessibility();
    void switchFrontmostOrSecureInput();
    void cutFilesInFinder();
    std::optional<std::string> click();
    std::uint16_t randomKey();
    void receive(const ReceivedEvent& event);
    bool engineRemaps() const;
    std::optional<std::string> check();
    std::optional<std::string> checkHeldKeys();

    SimMac mac_;
    std::shared_ptr<AppState> state_;
    AppStateInvariants appStateInvariants_;
    std::mt19937_64 random_;
    InvariantCounts counts_;
    std::vector<bool> appDown_ = std::vector<bool>(65536, false);
    std::vector<std::uint16_t> appDownKeys_;  // the codes set in appDown_
    std::uint64_t lastFlags_ = 0;
    std::uint64_t lastClickFlags_ = 0;
    bool mustHaveStopped_ = false;
    std::optional<std::string> brokenClick_;
    std::string misuse_;
    std::string lastStep_;
};

}  // namespace varnel
