#include "services/permission_manager.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_permissions.h"

namespace varnel {
namespace {

using Urls = std::vector<std::string>;

TEST(PermissionManager, ReadsBothPermissionsEveryTime) {
    SimPermissions permissions;
    PermissionManager manager(permissions);
    EXPECT_EQ(manager.currentStatus(), (PermissionStatus{false, false}));
    permissions.accessibility = true;
    EXPECT_FALSE(manager.currentStatus().allGranted());
    permissions.inputMonitoring = true;
    EXPECT_TRUE(manager.currentStatus().allGranted());
    EXPECT_EQ(PermissionStatus{}, (PermissionStatus{false, false}));
}

TEST(PermissionManager, RequestsPromptEvenForAGrantedPermission) {
    SimPermissions permissions;
    permissions.accessibility = true;
    PermissionManager manager(permissions);
    manager.requestAccessibility();
    manager.requestInputMonitoring();
    EXPECT_EQ(permissions.accessibilityPrompts, 1);
    EXPECT_EQ(permissions.inputMonitoringRequests, 1);
}

TEST(PermissionManager, SettingsPanesTryTheSecondAddressOnlyWhenTheFirstIsRefused) {
    const std::string first = "x-apple.systempreferences:com.apple.preference.security?";
    const std::string second =
        "x-apple.systempreferences:com.apple.settings.PrivacySecurity.extension?";
    struct Case {
        bool firstOpens;
        bool secondOpens;
        bool accessibility;
        Urls tried;
        Urls opened;
    };
    const std::string ax = "Privacy_Accessibility";
    const std::string im = "Privacy_ListenEvent";
    const Case cases[] = {
        {true, true, true, {first + ax}, {first + ax}},
        {false, true, false, {first + im, second + im}, {second + im}},
        {false, false, true, {first + ax, second + ax}, {}},
    };
    for (const Case& c : cases) {
        SimPermissions permissions;
        permissions.urlAnswers = {{first + ax, c.firstOpens},
                                  {first + im, c.firstOpens},
                                  {second + ax, c.secondOpens},
                                  {second + im, c.secondOpens}};
        PermissionManager manager(permissions);
        if (c.accessibility) {
            manager.openAccessibilitySettings();
        } else {
            manager.openInputMonitoringSettings();
        }
        EXPECT_EQ(permissions.urlsTried, c.tried);
        EXPECT_EQ(permissions.urlsOpened, c.opened);
    }
}

}  // namespace
}  // namespace varnel
