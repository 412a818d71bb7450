// What makes the remapping pause while the mode is on (an application left alone in front,
// secure input): read from the system on the main queue and handed to the engine as values.

#include "app/app_state.h"
#include "mapping/application_profiles.h"

namespace varnel {

void AppState::loadExcludedApplications(bool freshInstall) {
    ExcludedApplications list;
    if (const auto stored = platform_.settings.data(excludedApplicationsKey)) {
        list = ExcludedApplications::decode(*stored).valueOr({});
    } else if (freshInstall) {
        // Someone who used Varnel before keeps what they had: nothing is left alone until they
        // say so. A new user starts with the remote desktops and virtual machines they have.
        for (const auto& suggestion : ExcludedApplications::suggestions) {
            if (platform_.workspace.installedApplicationName(suggestion.installedAs())) {
                list.add(suggestion.bundleIdentifier);
            }
        }
    }
    publish(excludedApplications_, std::move(list));
    storeExcludedApplications();  // an unreadable value is replaced at once
}

void AppState::storeExcludedApplications() {
    platform_.settings.setData(excludedApplicationsKey, excludedApplications_.encoded());
}

template <class Edit>
void AppState::editExcludedApplications(Edit edit) {
    ExcludedApplications list = excludedApplications_;
    if (edit(list)) {
        publish(excludedApplications_, std::move(list));
        storeExcludedApplications();
        updateEnginePause();  // the application in front may have joined or left the list
    }
}

void AppState::addExcludedApplication(std::string_view bundleIdentifier) {
    editExcludedApplications(
        [bundleIdentifier](ExcludedApplications& list) { return list.add(bundleIdentifier); });
}

void AppState::removeExcludedApplication(std::string_view bundleIdentifier) {
    editExcludedApplications(
        [bundleIdentifier](ExcludedApplications& list) { return list.remove(bundleIdentifier); });
}

void AppState::setExcludedApplications(const ExcludedApplications& list) {
    editExcludedApplications([&list](ExcludedApplications& edited) {
        const bool changes = edited != list;
        edited = list;
        return changes;
    });
}

std::vector<std::string> AppState::missingSuggestions() const {
    std::vector<std::string> missing;
    for (const auto& suggestion : ExcludedApplications::suggestions) {
        if (!excludedApplications_.contains(suggestion.bundleIdentifier) &&
            platform_.workspace.installedApplicationName(suggestion.installedAs())) {
            missing.emplace_back(suggestion.bundleIdentifier);
        }
    }
    return missing;
}

void AppState::restoreSuggestedExclusions() {
    const std::vector<std::string> missing = missingSuggestions();
    editExcludedApplications([&missing](ExcludedApplications& list) {
        for (const std::string& bundleIdentifier : missing) {
            list.add(bundleIdentifier);
        }
        return !missing.empty();
    });
}

std::string AppState::applicationName(std::string_view bundleIdentifier) const {
    return platform_.workspace.installedApplicationName(bundleIdentifier)
        .value_or(std::string(bundleIdentifier));
}

std::optional<std::string> AppState::applicationIcon(std::string_view bundleIdentifier,
                                                     int pixels) const {
    // A virtual machine's windows show the machine's icon.
    const auto* suggestion = ExcludedApplications::suggestionFor(bundleIdentifier);
    return platform_.workspace.applicationIcon(
        suggestion ? suggestion->installedAs() : bundleIdentifier, pixels);
}

bool AppState::isFrontmostExcluded() const {
    return frontmost_ && excludedApplications_.leavesAlone(frontmost_->bundleIdentifier);
}

void AppState::applicationActivated(const Workspace::Application& application) {
    publish(frontmost_, application);
    publish(frontmostName_, application.bundleIdentifier.empty()
                                ? std::string()
                                : applicationName(application.bundleIdentifier));
    if (!application.isCurrentProcess && !application.bundleIdentifier.empty()) {
        publish(previousApplication_, application.bundleIdentifier);
    }
    frontKind_ = ApplicationProfiles::of(application.bundleIdentifier);
    updateKeyContext();
    updateEnginePause();
}

// In front of an application left alone Varnel leaves the input source as it is: a selection
// due now (a start, a wake, a language switch) is made when that application leaves.
bool AppState::inputSourceWaits() {
    if (isFrontmostExcluded()) {
        inputSourceWaiting_ = true;
        return true;
    }
    return false;
}

// The engine hands held keys over at every change, so a pause may come and go at any time;
// while the mode is off it only remembers the value for the next start. An input source
// selection put off in front of an application left alone is made once it is no longer.
void AppState::updateEnginePause() {
    enginePaused_ = isFrontmostExcluded() || secureInputEnabled_;
    engine_->setPaused(enginePaused_);
    if (inputSourceWaiting_ && !isFrontmostExcluded()) {
        inputSourceWaiting_ = false;
        if (isModeEnabled_ && options_.windowsPCLayouts) {
            platform_.inputSources.selectWindowsLanguage(typingLanguage_);
            updateInputSourceDescription();
        }
    }
}

void AppState::readSystemState() {
    // Read whatever the notice switch says: the pause it brings lets go of what the keys no tap
    // sees would leave held (the Command of an Alt + Tab, a replaced key waiting for its
    // key-up).
    const bool secure = platform_.secureInput.isSecureEventInputEnabled();
    if (secure != secureInputEnabled_) {
        publish(secureInputEnabled_, secure);
    }
    updateEnginePause();
}

void AppState::scheduleSystemPoll() {
    schedulePoll(systemPollSeconds, systemPollScheduled_, &AppState::pollSystem);
}

// Publishes nothing while nothing changes.
void AppState::pollSystem() {
    systemPollScheduled_ = false;
    if (!isModeEnabled_) {
        return;
    }
    readSystemState();
    scheduleSystemPoll();
}

}  // namespace varnel
