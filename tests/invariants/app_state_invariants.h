#pragma once

#include <optional>
#include <random>
#include <string>

#include "app/app_state.h"
#include "model/excluded_applications.h"
#include "model/keyboard_options.h"
#include "platform/sim/sim_mac.h"

namespace varnel {

// What the controller says and stores must match what it is, after every step of a run:
// - the stored options read as the options in memory, and a stored language that reads as
//   one is the language in memory; the stored applications left alone read as the list in
//   memory;
// - "modeEnabled" is true only while the mode is on, or a launch waits to restore it (the
//   restore still to run, or a permission missing when it ran);
// - the mode reads on only while the engine is running or starting;
// - the profile in force is the front application's (standard when its switch is off), and
//   another application's focus is followed only while the mode is on and the profile
//   depends on it.
class AppStateInvariants {
  public:
    std::optional<std::string> check(SimMac& mac, const AppState& state);

    // One of the things that put those to the test: a permission taken away or given back,
    // "Проверить снова", a wake whose restart the system refuses, a wait long enough for the
    // permission poll, an application added to or taken off the list, the suggestions
    // restored. Returns what it did.
    static std::string step(std::mt19937_64& random, SimMac& mac, AppState& state);

    // A virtual machine installed on the run's Mac, one of the suggested applications.
    static constexpr std::string_view leftAloneApplication = "com.utmapp.UTM";

  private:
    // The last stored record read, so that unchanged bytes are not decoded again.
    std::string storedOptions_;
    KeyboardOptions decodedOptions_ = KeyboardOptions::windowsDefaults;
    std::string storedExclusions_;
    ExcludedApplications decodedExclusions_;
};

// Everything due on the main queue has run. Work set for later (the permission poll while
// the mode is on) may still wait; a run checks right after the queue was settled.
bool mainQueueSettled(SimMac& mac);

}  // namespace varnel
