// Varnel, the application. On a Mac it runs on the real platform layer; elsewhere on the
// simulated Mac, in the state varnel-sim starts from, so that the whole interface can be
// used and tested. The main queue is Qt's in both.

#include <QApplication>

#include "app/app_state.h"
#include "platform/qt/qt_main_queue.h"
#include "ui/varnel_app.h"

#ifdef __APPLE__
#include "platform/macos/mac_platform.h"
#else
#include <memory>

#include "platform/qt/qsettings_store.h"
#include "platform/qt/qt_application_control.h"
#include "platform/sim/memory_settings_store.h"
#include "platform/sim/sim_mac.h"
#endif

namespace {

#ifdef __APPLE__
// The real Mac; its notification centre tells AppState of termination and wake.
struct Platform {
    varnel::MacPlatform mac;

    varnel::AppPlatform wire(varnel::MainQueue& mainQueue) { return mac.platform(mainQueue); }
    void applicationWillQuit() {}
};
#else
// The settings file of QSettings (on Linux ~/.config/Varnel/Varnel.conf), kept between runs;
// with --empty-settings, empty settings held in memory for this run only: the file is neither
// read nor written.
std::unique_ptr<varnel::SettingsStore> settingsStore() {
    if (QCoreApplication::arguments().contains(QStringLiteral("--empty-settings"))) {
        return std::make_unique<varnel::MemorySettingsStore>();
    }
    return std::make_unique<varnel::QSettingsStore>();
}

// The simulated Mac, with settings in QSettings and Qt's own window control.
struct Platform {
    varnel::SimMac mac;
    std::unique_ptr<varnel::SettingsStore> store = settingsStore();
    varnel::SettingsStore& settings = *store;
    varnel::QtApplicationControl application;

    varnel::AppPlatform wire(varnel::MainQueue& mainQueue) {
        const varnel::AppPlatform sim = mac.platform();
        return {sim.events,  mainQueue,       settings,         sim.notifications,
                application, sim.permissions, sim.inputSources, sim.loginItems};
    }
    void applicationWillQuit() {
        mac.notifications.post(varnel::SystemNotification::applicationWillTerminate);
    }
};
#endif

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    QApplication::setOrganizationName(QStringLiteral("Varnel"));

    Platform platform;
    varnel::QtMainQueue mainQueue;
    const auto state = varnel::AppState::make(platform.wire(mainQueue));
    varnel::VarnelApp shell(*state);
    QObject::connect(&application, &QCoreApplication::aboutToQuit,
                     [&platform] { platform.applicationWillQuit(); });
    shell.showMainWindow();
    return QApplication::exec();
}
