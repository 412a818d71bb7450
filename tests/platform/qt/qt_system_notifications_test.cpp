#include "platform/qt/qt_system_notifications.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "app/app_state.h"
#include "platform/sim/sim_mac.h"

namespace varnel {
namespace {

// Runs Qt's event loop and quits it, as the application ends: aboutToQuit is emitted.
void quitTheEventLoop() {
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
}

TEST(QtSystemNotificationsTest, QuittingStopsTheEngineAndKeepsTheMode) {
    SimMac mac;
    QtSystemNotifications notifications(mac.notifications);
    const AppPlatform sim = mac.platform();
    auto state = AppState::make({sim.events, sim.mainQueue, sim.settings, notifications,
                                 sim.application, sim.permissions, sim.inputSources, sim.loginItems,
                                 sim.workspace, sim.secureInput, sim.focus});
    state->toggleMode();
    mac.settle();
    ASSERT_EQ(mac.events.activeTapCount(), 1u);

    quitTheEventLoop();
    EXPECT_EQ(mac.events.liveTapCount(), 0u);
    EXPECT_TRUE(mac.settings.boolValue(AppState::modeEnabledKey));  // back at the next launch
}

TEST(QtSystemNotificationsTest, AnObserverGoesWithItsToken) {
    SimMac mac;
    QtSystemNotifications notifications(mac.notifications);
    int quits = 0;
    int wakes = 0;
    ObserverToken quit =
        notifications.addObserver(SystemNotification::applicationWillTerminate, [&] { ++quits; });
    ObserverToken wake =
        notifications.addObserver(SystemNotification::systemDidWake, [&] { ++wakes; });
    quitTheEventLoop();
    mac.notifications.post(SystemNotification::systemDidWake);  // the system's own centre
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(wakes, 1);

    quit.reset();
    quitTheEventLoop();
    EXPECT_EQ(quits, 1);
}

}  // namespace
}  // namespace varnel
