#include "app_state_invariants.h"

namespace varnel {

std::optional<std::string> AppStateInvariants::check(SimMac& mac, const AppState& state) {
    const std::optional<std::string> stored = mac.settings.data(AppState::optionsKey);
    if (!stored) {
        return "no options are stored";
    }
    if (*stored != storedOptions_) {
        const auto decoded = KeyboardOptions::decode(*stored);
        if (!decoded) {
            return "the stored options do not read: " + decoded.error().message;
        }
        storedOptions_ = *stored;
        decodedOptions_ = decoded.value();
    }
    if (decodedOptions_ != state.options()) {
        return "the stored options differ from the options in memory";
    }
    const std::optional<std::string> exclusions =
        mac.settings.data(AppState::excludedApplicationsKey);
    if (!exclusions) {
        return "no list of applications left alone is stored";
    }
    if (*exclusions != storedExclusions_) {
        const auto decoded = ExcludedApplications::decode(*exclusions);
        if (!decoded) {
            return "the stored applications left alone do not read: " + decoded.error().message;
        }
        storedExclusions_ = *exclusions;
        decodedExclusions_ = decoded.value();
    }
    if (decodedExclusions_ != state.excludedApplications()) {
        return "the stored applications left alone differ from the list in memory";
    }
    if (const auto text = mac.settings.string(AppState::typingLanguageKey)) {
        const auto language = WindowsTypingLanguage::fromRawValue(*text);
        if (language && *language != state.typingLanguage()) {
            return "the stored language differs from the language in memory";
        }
    }

    const EngineState::Case engine = state.engineState().kind();
    const bool waitsAtLaunch =
        state.isModeRestorePending() || engine == EngineState::Case::missingPermissions;
    if (mac.settings.boolValue(AppState::modeEnabledKey) && !state.isModeEnabled() &&
        !waitsAtLaunch) {
        return "\"modeEnabled\" is stored true while the mode is off";
    }
    if (state.isModeEnabled() && engine != EngineState::Case::running &&
        engine != EngineState::Case::starting) {
        return "the mode reads on while the engine is " +
               std::string(state.engineState().caseName());
    }
    return std::nullopt;
}

std::string AppStateInvariants::step(std::mt19937_64& random, SimMac& mac, AppState& state) {
    const unsigned roll = static_cast<unsigned>(random() % 12);
    if (roll < 3) {
        const bool accessibility = random() % 2 == 0;
        (accessibility ? mac.permissions.accessibility : mac.permissions.inputMonitoring) = false;
        return accessibility ? "Accessibility revoked" : "Input Monitoring revoked";
    }
    if (roll < 6) {
        mac.permissions.accessibility = true;
        mac.permissions.inputMonitoring = true;
        return "permissions granted";
    }
    if (roll < 7) {
        state.refreshPermissions();
        return "refresh";
    }
    if (roll < 8) {
        mac.events.failRunLoopSourceCreation = true;
        mac.notifications.post(SystemNotification::systemDidWake);
        mac.settle();
        mac.events.failRunLoopSourceCreation = false;
        return "wake, the restart refused";
    }
    if (roll < 10) {
        mac.wait(AppState::permissionPollSeconds + 0.1);
        return "wait for the permission poll";
    }
    if (roll < 11) {
        const bool add = random() % 2 == 0;
        if (add) {
            state.addExcludedApplication(leftAloneApplication);
        } else {
            state.removeExcludedApplication(leftAloneApplication);
        }
        return add ? "application left alone" : "application no longer left alone";
    }
    state.restoreSuggestedExclusions();
    return "suggestions restored";
}

bool mainQueueSettled(SimMac& mac) {
    const std::optional<double> due = mac.mainQueue.nextDueTime();
    return !due || *due > mac.clock.now();
}

}  // namespace varnel
