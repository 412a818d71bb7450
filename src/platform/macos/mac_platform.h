#pragma once

#include "app/app_state.h"
#include "platform/macos/mac_application_control.h"
#include "platform/macos/mac_event_platform.h"
#include "platform/macos/mac_input_sources.h"
#include "platform/macos/mac_keyboard_focus.h"
#include "platform/macos/mac_login_items.h"
#include "platform/macos/mac_permissions.h"
#include "platform/macos/mac_secure_input.h"
#include "platform/macos/mac_settings_store.h"
#include "platform/macos/mac_system_notifications.h"
#include "platform/macos/mac_workspace.h"

namespace varnel {

// The real Mac behind every port, wired for the application. The main queue is Qt's,
// which on a Mac runs the main run loop.
struct MacPlatform {
    MacEventPlatform events;
    MacSettingsStore settings;
    MacSystemNotifications notifications;
    MacApplicationControl application;
    MacPermissions permissions;
    MacInputSources inputSources;
    MacLoginItems loginItems;
    MacWorkspace workspace;
    MacSecureInput secureInput;
    MacKeyboardFocus focus;
    InputSourceManager inputSourceManager{inputSources};

    AppPlatform platform(MainQueue& mainQueue) {
        return {events,      mainQueue,          settings,   notifications, application,
                permissions, inputSourceManager, loginItems, workspace,     secureInput,
                focus};
    }
};

}  // namespace varnel
