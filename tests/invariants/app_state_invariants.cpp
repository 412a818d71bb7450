#include "app_state_invariants.h"

#include "mapping/application_profiles.h"

namespace varnel {

namespace {

// Whether the record stored as data under `key` reads as `inMemory`; the bytes last read and
// what they decoded to are kept, so that unchanged bytes are not decoded again.
template <class Record>
std::optional<std::string> storedAsInMemory(SimMac& mac, std::string_view key,
                                            std::string_view what, const Record& inMemory,
                                            std::string& lastBytes, Record& lastDecoded) {
    const std::optional<std::string> stored = mac.settings.data(key);
    if (!stored) {
        return "no " + std::string(what) + " stored";
    }
    if (*stored != lastBytes) {
        const auto decoded = Record::decode(*stored);
        if (!decoded) {
            return "the stored " + std::string(what) + " do not read: " + decoded.error().message;
        }
        lastBytes = *stored;
        lastDecoded = decoded.value();
    }
    if (lastDecoded != inMemory) {
        return "the stored " + std::string(what) + " differ from those in memory";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> AppStateInvariants::check(SimMac& mac, const AppState& state) {
    if (auto broken = storedAsInMemory(mac, AppState::optionsKey, "options", state.options(),
                                       storedOptions_, decodedOptions_)) {
        return broken;
    }
    if (auto broken =
            storedAsInMemory(mac, AppState::excludedApplicationsKey, "applications left alone",
                             state.excludedApplications(), storedExclusions_, decodedExclusions_)) {
        return broken;
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
    if (engine == EngineState::Case::missingPermissions && state.permissions().allGranted()) {
        return "the state says permissions are missing while both read granted";
    }
    const auto& frontmost = state.frontmostApplication();
    const ApplicationKind front = ApplicationProfiles::inForce(
        ApplicationProfiles::of(frontmost ? frontmost->bundleIdentifier : ""), state.options());
    if (state.applicationProfile() != front) {
        return "the profile in force is not the one of the application in front";
    }
    if (state.focusKind() != KeyboardFocus::Kind::unknown &&
        (!state.isModeEnabled() || !ApplicationProfiles::dependsOnFocus(front.profile))) {
        return "the focus is followed where nothing depends on it";
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
