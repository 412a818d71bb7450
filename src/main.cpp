// Varnel, the application. On a Mac it runs on the real platform layer; elsewhere on the
// simulated Mac, in the state varnel-sim starts from, so that the whole interface can be
// used and tested.

#include <QApplication>

#include "app/app_state.h"
#include "platform/qt/qsettings_store.h"
#include "platform/qt/qt_application_control.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/sim/sim_mac.h"
#include "ui/varnel_app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    QApplication::setOrganizationName(QStringLiteral("Varnel"));

    varnel::SimMac mac;
    varnel::QtMainQueue mainQueue;
    varnel::QSettingsStore settings;
    varnel::QtApplicationControl applicationControl;
    const varnel::AppPlatform platform{mac.events,
                                       mainQueue,
                                       settings,
                                       mac.notifications,
                                       applicationControl,
                                       mac.permissions,
                                       mac.inputSourceManager,
                                       mac.loginItems};

    auto state = varnel::AppState::make(platform);
    varnel::VarnelApp shell(*state);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, [&mac] {
        mac.notifications.post(varnel::SystemNotification::applicationWillTerminate);
    });
    shell.showMainWindow();
    return QApplication::exec();
}
