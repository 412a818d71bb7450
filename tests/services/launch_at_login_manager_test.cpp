#include "services/launch_at_login_manager.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_login_items.h"

namespace varnel {
namespace {

TEST(LaunchAtLoginManager, OnlyEnabledCountsAsOn) {
    SimLoginItems items;
    LaunchAtLoginManager manager(items);
    for (int status : {0, 1, 2, 3, 7}) {
        items.currentStatus = status;
        EXPECT_EQ(manager.isEnabled(), status == 1) << status;
    }
}

TEST(LaunchAtLoginManager, CallsThePlatformOnlyWhenTheStatusDiffers) {
    struct Case {
        int status;
        bool wanted;
        int registers;
        int unregisters;
        bool enabledAfter;
    };
    const Case cases[] = {
        {LoginItemApi::notRegistered, true, 1, 0, true},
        {LoginItemApi::requiresApproval, true, 1, 0, true},
        {LoginItemApi::notFound, true, 1, 0, true},
        {LoginItemApi::enabled, true, 0, 0, true},
        {LoginItemApi::enabled, false, 0, 1, false},
        {LoginItemApi::requiresApproval, false, 0, 0, false},
        {LoginItemApi::notRegistered, false, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        SimLoginItems items;
        items.currentStatus = c.status;
        LaunchAtLoginManager manager(items);
        EXPECT_FALSE(manager.setEnabled(c.wanted).has_value());
        EXPECT_EQ(items.registerCalls, c.registers);
        EXPECT_EQ(items.unregisterCalls, c.unregisters);
        EXPECT_EQ(manager.isEnabled(), c.enabledAfter);
    }
}

TEST(LaunchAtLoginManager, PassesThePlatformErrorOnUnchanged) {
    SimLoginItems items;
    LaunchAtLoginManager manager(items);
    items.nextFailure = "Операция не разрешена.";
    const auto error = manager.setEnabled(true);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->localizedDescription, "Операция не разрешена.");
    EXPECT_FALSE(manager.isEnabled());
    EXPECT_FALSE(manager.setEnabled(true).has_value());  // the failure was for one call only
    EXPECT_TRUE(manager.isEnabled());
}

TEST(LaunchAtLoginManager, RunsFromApplicationsOnlyInsideAnApplicationsFolder) {
    struct Case {
        const char* bundlePath;
        bool inApplications;
    };
    const Case cases[] = {
        {"/Applications/Varnel.app", true},
        {"/Applications/Utilities/Varnel.app", true},
        {"/Users/anna/Applications/Varnel.app", true},
        {"/Volumes/Varnel/Varnel.app", false},  // the disk image
        {"/private/var/folders/x1/abc/T/AppTranslocation/6F2A/d/Varnel.app", false},
        {"/Users/anna/Downloads/Varnel.app", false},
        {"/Users/anna/src/varnel/build/release/Varnel.app", false},
        {"/Applications", false},
        {"/Applications/", false},
        {"/ApplicationsOld/Varnel.app", false},
        {"/Applications/../Users/anna/Downloads/Varnel.app", false},
        {"/Users/anna/Applications/./Varnel.app", false},
        {"/Users/bob/Applications/Varnel.app", false},  // another user's folder
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LaunchAtLoginManager::isInApplicationsFolder({c.bundlePath, "/Users/anna/"}),
                  c.inApplications)
            << c.bundlePath;
    }
    // A home the system could not name leaves /Applications alone.
    EXPECT_TRUE(LaunchAtLoginManager::isInApplicationsFolder({"/Applications/Varnel.app", ""}));
    EXPECT_FALSE(
        LaunchAtLoginManager::isInApplicationsFolder({"/Applications/Varnel.app/../x", ""}));
}

}  // namespace
}  // namespace varnel
