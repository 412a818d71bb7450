#include "app/app_state.h"

#include <algorithm>

namespace varnel {

namespace {

constexpr std::string_view permissionsRevokedBanner = "macOS отозвала необходимое разрешение.";
constexpr std::string_view permissionGuidanceBanner =
    "Разрешите Varnel в двух разделах настроек, затем вернитесь и нажмите «Проверить снова».";
constexpr std::string_view readyBanner =
    "Готово. Теперь Varnel сам печатает все буквы, цифры и знаки как Windows. Shift + Alt "
    "срабатывает сразу при нажатии второй клавиши. Окно можно закрыть: режим останется работать "
    "в фоне.";
constexpr std::string_view switchWarningPrefix =
    "Windows-режим включён полностью. Системная раскладка macOS не переключилась, но встроенная "
    "раскладка Varnel уже печатает буквы и знаки правильно. ";
constexpr std::string_view loginFailurePrefix = "Не удалось изменить автозапуск: ";
constexpr std::string_view emergencyBanner =
    "Windows-режим аварийно отключён сочетанием Ctrl + Alt + Windows + Esc.";
constexpr std::string_view systemSourceSeparator = " · системная: ";

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
        platform_.mainQueue.asyncAfter(restoreDelaySeconds, [weak = weak_from_this()] {
            if (auto self = weak.lock()) {
                self->enableMode();
            }
        });
    }
}

// The engine may report from inside its lock or its tap; every report hops onto the main
// queue before it touches the controller.
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
}

void AppState::setOptions(const KeyboardOptions& options) {
    publish(options_, options);
    optionsChanged();
}

void AppState::optionsChanged() {
    engine_->options = options_;
    platform_.settings.setData(optionsKey, options_.encoded());
    if (isModeEnabled_ && options_.windowsPCLayouts) {
        platform_.inputSources.selectWindowsLanguage(typingLanguage_);
        updateInputSourceDescription();
    }
}

void AppState::setBannerMessage(std::optional<std::string> message) {
    publish(bannerMessage_, std::move(message));
}

void AppState::updateInputSourceDescription() {
    std::string name = platform_.inputSources.currentDisplayName();
    if (options_.fullWindowsTyping) {
        name =
            std::string(typingLanguage_.displayName()).append(systemSourceSeparator).append(name);
    }
    publish(currentInputSource_, std::move(name));
}

void AppState::storeModeEnabled(bool enabled) {
    platform_.settings.setBool(modeEnabledKey, enabled);
}

void AppState::stopMode() {
    engine_->stop();
    publish(isModeEnabled_, false);
    storeModeEnabled(false);
}

void AppState::refreshPermissions() {
    publish(permissions_, permissionManager_.currentStatus());
    updateInputSourceDescription();
    if (!permissions_.allGranted() && isModeEnabled_) {
        stopMode();
        publish(bannerMessage_, std::string(permissionsRevokedBanner));
    }
}

void AppState::enableMode() {
    refreshPermissions();
    if (!permissions_.allGranted()) {
        publish(engineState_, EngineState::missingPermissions());
        permissionManager_.requestAccessibility();
        permissionManager_.requestInputMonitoring();
        publish(bannerMessage_, std::string(permissionGuidanceBanner));
        return;
    }

    std::optional<std::string> switchWarning;
    if (options_.windowsPCLayouts) {
        const auto result = platform_.inputSources.selectWindowsLanguage(typingLanguage_);
        if (!result.isSuccess()) {
            switchWarning = result.message();
        }
    }

    engine_->options = options_;
    engine_->setTypingLanguage(typingLanguage_);
    if (!engine_->start()) {
        return;  // the engine's failed report carries the reason
    }

    publish(isModeEnabled_, true);
    storeModeEnabled(true);
    updateInputSourceDescription();
    publish(bannerMessage_, switchWarning ? std::string(switchWarningPrefix) + *switchWarning
                                          : std::string(readyBanner));
    if (!launchAtLogin_) {
        setLaunchAtLogin(true, /*silently=*/true);
    }
}

void AppState::requestPermissions() {
    permissionManager_.requestAccessibility();
    permissionManager_.requestInputMonitoring();
    publish(bannerMessage_, std::string(permissionGuidanceBanner));
}

void AppState::setLaunchAtLogin(bool wanted, bool silently) {
    const std::optional<LoginItemError> error = launchAtLoginManager_.setEnabled(wanted);
    publish(launchAtLogin_, launchAtLoginManager_.isEnabled());
    if (error && !silently) {
        publish(bannerMessage_, std::string(loginFailurePrefix) + error->localizedDescription);
    }
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

void AppState::activateApplication() {
    platform_.application.activateIgnoringOtherApps();
}

void AppState::openAccessibilitySettings() {
    permissionManager_.openAccessibilitySettings();
}

void AppState::openInputMonitoringSettings() {
    permissionManager_.openInputMonitoringSettings();
}

void AppState::handleEmergencyStop() {
    stopMode();
    publish(bannerMessage_, std::string(emergencyBanner));
}

void AppState::handleLanguageToggle(WindowsTypingLanguage language) {
    publish(typingLanguage_, language);
    platform_.settings.setString(typingLanguageKey, language.rawValue());
    if (options_.windowsPCLayouts) {
        platform_.inputSources.selectWindowsLanguage(language);
    }
    updateInputSourceDescription();
}

// The engine has already stopped: the system found the process no longer trusted. This
// ends as a check that finds a permission missing, even if a re-read happens to disagree.
void AppState::handlePermissionLost() {
    refreshPermissions();
    if (isModeEnabled_) {
        stopMode();
        publish(bannerMessage_, std::string(permissionsRevokedBanner));
    }
}

void AppState::handleWake() {
    if (!isModeEnabled_) {
        return;
    }
    engine_->stop();
    engine_->setTypingLanguage(typingLanguage_);
    if (options_.windowsPCLayouts) {
        platform_.inputSources.selectWindowsLanguage(typingLanguage_);
    }
    updateInputSourceDescription();
    engine_->start();
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
