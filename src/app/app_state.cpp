#include "app/app_state.h"

#include <algorithm>

#include "model/message_parts.h"

namespace varnel {

namespace {

constexpr std::string_view permissionsRevokedBanner =
    VARNEL_TRANSLATE_NOOP("Messages", "macOS отозвала необходимое разрешение.");
constexpr std::string_view permissionGuidanceBanner = VARNEL_TRANSLATE_NOOP(
    "Messages",
    "Разрешите Varnel в двух разделах настроек, затем вернитесь и нажмите «Проверить снова».");
constexpr std::string_view emergencyBanner = VARNEL_TRANSLATE_NOOP(
    "Messages", "Windows-режим аварийно отключён сочетанием Ctrl + Alt + Windows + Esc.");

}  // namespace

std::shared_ptr<AppState> AppState::make(const AppPlatform& platform) {
    std::shared_ptr<AppState> state(new AppState(platform));
    state->initialise();
    return state;
}

AppState::AppState(const AppPlatform& platform)
    : platform_(platform),
      permissionManager_(platform.permissions),
      launchAtLoginManager_(platform.loginItems),
      engine_(KeyboardEngine::make(platform.events, platform.mainQueue)) {}

AppState::~AppState() = default;

template <class Work>
void AppState::dispatch(std::weak_ptr<AppState> weak, MainQueue& queue, Work work) {
    queue.async([weak = std::move(weak), work = std::move(work)] {
        if (auto self = weak.lock()) {
            work(*self);
        }
    });
}

void AppState::initialise() {
    const std::optional<std::string> storedOptions = platform_.settings.data(optionsKey);
    KeyboardOptions options = KeyboardOptions::windowsDefaults;
    if (storedOptions) {
        options = KeyboardOptions::decode(*storedOptions).valueOr(KeyboardOptions::windowsDefaults);
    }
    setOptions(options);  // writes the record back: an unreadable one is replaced at once
    // Every Varnel that ever started has stored its options: without them this is the first
    // start of a fresh install.
    loadExcludedApplications(/*freshInstall=*/!storedOptions);
    loadLaunchAtLoginRecord(/*freshInstall=*/!storedOptions);

    std::optional<WindowsTypingLanguage> language;
    if (auto stored = platform_.settings.string(typingLanguageKey)) {
        language = WindowsTypingLanguage::fromRawValue(*stored);
    }
    publish(typingLanguage_, language.value_or(platform_.inputSources.detectedTypingLanguage()));
    engine_->setTypingLanguage(typingLanguage_);

    bindEngine();
    refreshPermissions();
    updateInputSourceDescription();
    publish(launchAtLogin_, launchAtLoginManager_.isEnabled());
    observeSystem();

    if (platform_.settings.boolValue(modeEnabledKey)) {
        restorePending_ = true;
        platform_.mainQueue.asyncAfter(restoreDelaySeconds, [weak = weak_from_this()] {
            if (auto self = weak.lock()) {
                self->restoreMode();
            }
        });
    }
}

// The user may have switched the mode on and off again before this runs: what they chose
// since launch stands over what was stored.
void AppState::restoreMode() {
    if (restorePending_) {
        startMode(ModeNotice::Kind::restored);
    }
}

// The engine reports its state from inside its lock, and the rest on the main thread before it
// waits; every report hops onto the main queue before it touches the controller.
void AppState::bindEngine() {
    MainQueue& queue = platform_.mainQueue;
    const std::weak_ptr<AppState> weak = weak_from_this();
    engine_->onStateChange = [weak, &queue](const EngineState& state) {
        dispatch(weak, queue, [state](AppState& self) { self.publish(self.engineState_, state); });
    };
    engine_->onDiagnosticChange = [weak, &queue](const DiagnosticSnapshot& snapshot) {
        dispatch(weak, queue,
                 [snapshot](AppState& self) { self.publish(self.diagnostic_, snapshot); });
    };
    engine_->onEmergencyStop = [weak, &queue] {
        dispatch(weak, queue, [](AppState& self) { self.handleEmergencyStop(); });
    };
    engine_->onLanguageToggle = [weak, &queue](WindowsTypingLanguage language) {
        dispatch(weak, queue, [language](AppState& self) { self.handleLanguageToggle(language); });
    };
    engine_->onPermissionLost = [weak, &queue] {
        dispatch(weak, queue, [](AppState& self) { self.handlePermissionLost(); });
    };
}

void AppState::observeSystem() {
    observers_.push_back(platform_.notifications.addObserver(
        SystemNotification::applicationWillTerminate, [weak = weak_from_this()] {
            if (auto self = weak.lock()) {
                self->engine_->stop();  // the stored mode stays: it comes back at next launch
            }
        }));
    observers_.push_back(platform_.notifications.addObserver(SystemNotification::systemDidWake,
                                                             [weak = weak_from_this()] {
                                                                 if (auto self = weak.lock()) {
                                                                     self->handleWake();
                                                                 }
                                                             }));
    observers_.push_back(platform_.workspace.observeActivations(
        [weak = weak_from_this()](const Workspace::Application& application) {
            if (auto self = weak.lock()) {
                self->applicationActivated(application);
            }
        }));
    if (auto frontmost = platform_.workspace.frontmostApplication()) {
        applicationActivated(*frontmost);
    }
}

void AppState::setOptions(const KeyboardOptions& options) {
    const bool layoutsWereSynced = options_.windowsPCLayouts;
    publish(options_, options);
    optionsChanged(layoutsWereSynced);
}

void AppState::optionsChanged(bool layoutsWereSynced) {
    engine_->setOptions(options_);  // the mouse through the tap only while a switch needs it
    updateKeyContext();             // a profile switched off or on
    // Written over the stored record, so that switches of another Varnel version survive.
    const std::optional<std::string> storedBefore = platform_.settings.data(optionsKey);
    platform_.settings.setData(optionsKey, options_.encoded(storedBefore.value_or("")));
    if (isModeEnabled_ && options_.windowsPCLayouts) {
        // Only turning the sync on selects the source: any other switch would undo a layout
        // the user picked by hand since.
        if (!layoutsWereSynced && !inputSourceWaits()) {
            platform_.inputSources.selectWindowsLanguage(typingLanguage_);
        }
        updateInputSourceDescription();
    }
}

void AppState::setBannerMessage(std::optional<std::string> message) {
    publish(bannerMessage_, std::move(message));
}

void AppState::updateInputSourceDescription() {
    std::string name = platform_.inputSources.currentDisplayName();
    if (options_.fullWindowsTyping) {
        name = std::string(typingLanguage_.displayName())
                   .append(MessageParts::systemInputSource)
                   .append(name);
    }
    publish(currentInputSource_, std::move(name));
}

void AppState::storeModeEnabled(bool enabled) {
    platform_.settings.setBool(modeEnabledKey, enabled);
}

void AppState::markModeOff() {
    restorePending_ = false;
    platform_.application.endLatencyCriticalActivity();
    publish(modeNotice_, std::nullopt);
    publish(isModeEnabled_, false);
    storeModeEnabled(false);
    updateKeyContext();  // no focus is followed while the mode is off
}

void AppState::stopMode() {
    engine_->stop();
    markModeOff();
}

void AppState::stopForMissingPermission() {
    if (isModeEnabled_) {
        stopMode();
        publish(bannerMessage_, std::string(permissionsRevokedBanner));
    }
}

void AppState::refreshPermissions() {
    publish(permissions_, permissionManager_.currentStatus());
    updateInputSourceDescription();
    if (!permissions_.allGranted()) {
        stopForMissingPermission();
        return;
    }
    if (startWaitingForPermissions_) {
        startMode(*startWaitingForPermissions_);  // the start asked for, nothing in its way now
    } else if (engineState_.kind() == EngineState::Case::missingPermissions) {
        publish(engineState_, EngineState::stopped());  // nothing is missing any more
    }
}

void AppState::schedulePoll(double seconds, bool& scheduled, void (AppState::*poll)()) {
    if (scheduled) {
        return;  // the one on its way carries on
    }
    scheduled = true;
    platform_.mainQueue.asyncAfter(seconds, [weak = weak_from_this(), poll] {
        if (auto self = weak.lock()) {
            ((*self).*poll)();
        }
    });
}

void AppState::schedulePermissionPoll() {
    schedulePoll(permissionPollSeconds, permissionPollScheduled_, &AppState::pollPermissions);
}

// While the mode runs, a permission taken away stops it; while a start waits, the permissions
// granted start it. Publishes nothing until one of them happens, so that the interface is not
// redrawn every 2 s.
void AppState::pollPermissions() {
    permissionPollScheduled_ = false;
    const bool waiting = startWaitingForPermissions_.has_value();
    if (!isModeEnabled_ && !waiting) {
        return;
    }
    if (permissionManager_.currentStatus().allGranted() == waiting) {
        refreshPermissions();
        return;
    }
    schedulePermissionPoll();
}

void AppState::enableMode() {
    startMode(ModeNotice::Kind::started);
}

void AppState::startMode(ModeNotice::Kind notice) {
    restorePending_ = false;  // whoever starts the mode first, the restore has nothing left to do
    startWaitingForPermissions_.reset();  // this is the start; it waits again only if refused
    refreshPermissions();
    if (!permissions_.allGranted()) {
        // Granted later (a click on "Проверить снова", the poll, the window in front), the
        // permissions start the mode: the user asked for it once and need not ask again.
        startWaitingForPermissions_ = notice;
        schedulePermissionPoll();
        publish(engineState_, EngineState::missingPermissions());
        permissionManager_.requestAccessibility();
        permissionManager_.requestInputMonitoring();
        publish(bannerMessage_, std::string(permissionGuidanceBanner));
        return;
    }

    std::optional<std::string> switchWarning;
    if (options_.windowsPCLayouts && !inputSourceWaits()) {
        const auto result = platform_.inputSources.selectWindowsLanguage(typingLanguage_);
        if (!result.isSuccess()) {
            switchWarning = result.message();
        }
    }

    engine_->setOptions(options_);
    engine_->setTypingLanguage(typingLanguage_);
    readSystemState();  // the engine starts paused if it is to leave the keyboard alone
    if (!engine_->start()) {
        // The engine's failed report carries the reason. A mode that could not start is not
        // kept wanted: only a missing permission leaves a launch waiting for the mode.
        if (platform_.settings.boolValue(modeEnabledKey)) {
            storeModeEnabled(false);
        }
        return;
    }

    platform_.application.beginLatencyCriticalActivity();
    publish(isModeEnabled_, true);
    storeModeEnabled(true);
    updateKeyContext();  // the focus of the application in front is followed from now on
    schedulePermissionPoll();
    scheduleSystemPoll();
    updateInputSourceDescription();
    // A success is told in the window's mode card, not in an alert: at every login, or later
    // when the window is opened, an alert would ask to be dismissed for nothing. One waiting
    // for a click (the permissions' guidance) has nothing left to say either.
    publish(modeNotice_, ModeNotice{notice, std::move(switchWarning)});
    publish(bannerMessage_, std::nullopt);
    registerLoginItemAtFirstStart();
}

void AppState::requestPermissions() {
    permissionManager_.requestAccessibility();
    permissionManager_.requestInputMonitoring();
    publish(bannerMessage_, std::string(permissionGuidanceBanner));
}

void AppState::toggleMode() {
    if (isModeEnabled_) {
        stopMode();
    } else {
        enableMode();
    }
}

void AppState::hideMainWindow() {
    platform_.application.closeKeyWindow();
    platform_.application.hideApplication();
}

void AppState::stopForQuit() {
    engine_->stop();
    platform_.application.endLatencyCriticalActivity();
}

void AppState::activateApplication() {
    platform_.application.activateIgnoringOtherApps();
}

void AppState::openAccessibilitySettings() {
    permissionManager_.openAccessibilitySettings();
}

void AppState::openInputMonitoringSettings() {
    permissionManager_.openInputMonitoringSettings();
}

// Safe mode reports its state just before it calls for this stop: its own message then says
// why the mode went off, not the chord's.
void AppState::handleEmergencyStop() {
    std::string banner = engineState_.kind() == EngineState::Case::safeMode
                             ? engineState_.detail().value_or(std::string(emergencyBanner))
                             : std::string(emergencyBanner);
    stopMode();
    publish(bannerMessage_, std::move(banner));
}

void AppState::setTypingLanguage(WindowsTypingLanguage language) {
    engine_->setTypingLanguage(language);
    handleLanguageToggle(language);
}

void AppState::handleLanguageToggle(WindowsTypingLanguage language) {
    publish(typingLanguage_, language);
    platform_.settings.setString(typingLanguageKey, language.rawValue());
    // The system's layout follows while the mode is on; off, Varnel leaves it alone.
    if (isModeEnabled_ && options_.windowsPCLayouts && !inputSourceWaits()) {
        platform_.inputSources.selectWindowsLanguage(language);
    }
    updateInputSourceDescription();
}

// The engine has already stopped: the system found the process no longer trusted. This
// ends as a check that finds a permission missing, even if a re-read happens to disagree.
// The engine saw the system stop trusting it: whatever the permissions read now, the mode
// is over.
void AppState::handlePermissionLost() {
    refreshPermissions();
    stopForMissingPermission();
}

void AppState::handleWake() {
    if (!isModeEnabled_) {
        return;
    }
    refreshPermissions();  // one taken away during sleep stops the mode with its banner
    if (!isModeEnabled_) {
        return;
    }
    engine_->stop();
    engine_->setTypingLanguage(typingLanguage_);
    if (options_.windowsPCLayouts && !inputSourceWaits()) {
        platform_.inputSources.selectWindowsLanguage(typingLanguage_);
    }
    updateInputSourceDescription();
    readSystemState();
    if (!engine_->start()) {
        markModeOff();  // as for a failed start: the engine's failed report says why
    }
}

AppState::ObserverId AppState::addObserver(std::function<void()> willChange) {
    changeObservers_.emplace_back(nextObserverId_, std::move(willChange));
    return nextObserverId_++;
}

void AppState::removeObserver(ObserverId id) {
    std::erase_if(changeObservers_, [id](const auto& observer) { return observer.first == id; });
}

void AppState::announceChange() {
    // A copy: an observer may remove itself while being told.
    const auto observers = changeObservers_;
    for (const auto& [id, willChange] : observers) {
        willChange();
    }
}

}  // namespace varnel
