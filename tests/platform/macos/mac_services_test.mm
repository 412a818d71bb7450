#import <AppKit/AppKit.h>
#include <gtest/gtest.h>

#include "engine/keyboard_engine.h"
#include "platform/macos/mac_login_items.h"
#include "platform/macos/mac_permissions.h"
#include "platform/macos/mac_self_check_probe.h"
#include "platform/macos/mac_system_notifications.h"
#include "services/permission_manager.h"

namespace varnel {
namespace {

// Lets the main operation queue run what was handed to it.
void runMainRunLoop() {
    CFRunLoopRunInMode(kCFRunLoopDefaultMode, 0.2, false);
}

// The reads never prompt: nothing is shown and the answers are steady.
TEST(MacPermissionsTest, ReadsAnswerWithoutPrompting) {
    MacPermissions permissions;
    PermissionManager manager(permissions);
    const PermissionStatus first = manager.currentStatus();
    EXPECT_EQ(manager.currentStatus(), first);
    EXPECT_EQ(first.accessibility, permissions.isAccessibilityTrusted());
}

TEST(MacLoginItemsTest, StatusReads) {
    const int status = MacLoginItems().status();
    EXPECT_GE(status, LoginItemApi::notRegistered);
    EXPECT_LE(status, LoginItemApi::notFound);
}

TEST(MacSystemNotificationsTest, AnObserverRunsUntilItsTokenGoes) {
    MacSystemNotifications notifications;
    int wakes = 0;
    ObserverToken token =
        notifications.addObserver(SystemNotification::systemDidWake, [&] { ++wakes; });
    NSNotificationCenter* center = [[NSWorkspace sharedWorkspace] notificationCenter];
    [center postNotificationName:NSWorkspaceDidWakeNotification object:nil];
    runMainRunLoop();
    EXPECT_EQ(wakes, 1);

    token.reset();
    [center postNotificationName:NSWorkspaceDidWakeNotification object:nil];
    runMainRunLoop();
    EXPECT_EQ(wakes, 1);
}

// Without permissions the probe still answers; nothing is posted when it is told not to.
TEST(MacSelfCheckProbeTest, AnswersWithoutPosting) {
    MacSelfCheckProbe probe;
    EXPECT_EQ(probe.systemVersion().rfind("macOS ", 0), 0u);
    EXPECT_FALSE(probe.settingsDomain().empty());
    const SelfCheckProbe::TapEcho echo = probe.tapEcho(false, KeyboardEngine::syntheticMarker);
    EXPECT_TRUE(echo == SelfCheckProbe::TapEcho::refused ||
                echo == SelfCheckProbe::TapEcho::notPosted);
}

}  // namespace
}  // namespace varnel
