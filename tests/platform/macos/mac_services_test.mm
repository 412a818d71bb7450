#import <AppKit/AppKit.h>
#include <gtest/gtest.h>

#include "engine/keyboard_engine.h"
#include "platform/macos/mac_login_items.h"
#include "platform/macos/mac_permissions.h"
#include "platform/macos/mac_self_check_probe.h"
#include "platform/macos/mac_system_notifications.h"
#include "platform/macos/mac_workspace.h"
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

// Finder is installed on every Mac, with its name and an icon of the size asked for.
TEST(MacWorkspaceTest, NamesTheApplicationsTheSystemKnows) {
    MacWorkspace workspace;
    EXPECT_EQ(workspace.installedApplicationName("com.apple.finder"), "Finder");
    EXPECT_FALSE(workspace.installedApplicationName("app.varnel.tests.no-such-application"));
    const auto icon = workspace.applicationIcon("com.apple.finder", 48);
    ASSERT_TRUE(icon);
    NSBitmapImageRep* read =
        [NSBitmapImageRep imageRepWithData:[NSData dataWithBytes:icon->data() length:icon->size()]];
    ASSERT_NE(read, nil);
    EXPECT_EQ(read.pixelsWide, 48);
    EXPECT_FALSE(workspace.applicationIcon("app.varnel.tests.no-such-application", 48));
}

// The activation of an application comes with that application, until the token goes.
TEST(MacWorkspaceTest, ActivationsRunUntilTheTokenGoes) {
    MacWorkspace workspace;
    std::vector<Workspace::Application> activated;
    ObserverToken token = workspace.observeActivations(
        [&](const Workspace::Application& application) { activated.push_back(application); });
    NSNotificationCenter* center = [[NSWorkspace sharedWorkspace] notificationCenter];
    NSRunningApplication* current = [NSRunningApplication currentApplication];
    [center postNotificationName:NSWorkspaceDidActivateApplicationNotification
                          object:[NSWorkspace sharedWorkspace]
                        userInfo:@{NSWorkspaceApplicationKey : current}];
    runMainRunLoop();
    ASSERT_EQ(activated.size(), 1u);
    EXPECT_TRUE(activated[0].isCurrentProcess);
    token.reset();
    [center postNotificationName:NSWorkspaceDidActivateApplicationNotification
                          object:[NSWorkspace sharedWorkspace]
                        userInfo:@{NSWorkspaceApplicationKey : current}];
    runMainRunLoop();
    EXPECT_EQ(activated.size(), 1u);
}

// Without permissions the probe still answers; nothing is posted when it is told not to.
TEST(MacSelfCheckProbeTest, AnswersWithoutPosting) {
    MacSelfCheckProbe probe;
    EXPECT_EQ(probe.systemVersion().rfind("macOS ", 0), 0u);
    EXPECT_FALSE(probe.settingsDomain().empty());
    const SelfCheckProbe::TapEcho echo = probe.tapEcho(false, KeyboardEngine::syntheticMarker);
    EXPECT_TRUE(echo == SelfCheckProbe::TapEcho::refused ||
                echo == SelfCheckProbe::TapEcho::notPosted);
    // Started by ctest, not by Launch Services: the parent is named.
    const SelfCheckProbe::Starter starter = probe.starter();
    EXPECT_FALSE(starter.launchServices);
    EXPECT_FALSE(starter.process.empty());
}

}  // namespace
}  // namespace varnel
