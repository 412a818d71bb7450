#include "services/permission_manager.h"

#include <string>

namespace varnel {

PermissionStatus PermissionManager::currentStatus() const {
    return {api_.isAccessibilityTrusted(), api_.mayListenToEvents()};
}

void PermissionManager::requestAccessibility() {
    api_.promptForAccessibility();
}

void PermissionManager::requestInputMonitoring() {
    api_.requestListenToEvents();
}

void PermissionManager::openAccessibilitySettings() {
    openSystemSettings("Privacy_Accessibility");
}

void PermissionManager::openInputMonitoringSettings() {
    openSystemSettings("Privacy_ListenEvent");
}

void PermissionManager::openSystemSettings(std::string_view anchor) {
    // The older System Preferences address first, then the System Settings one.
    constexpr std::string_view prefixes[] = {
        "x-apple.systempreferences:com.apple.preference.security?",
        "x-apple.systempreferences:com.apple.settings.PrivacySecurity.extension?",
    };
    for (std::string_view prefix : prefixes) {
        if (api_.openUrl(std::string(prefix) + std::string(anchor))) {
            return;
        }
    }
}

}  // namespace varnel
