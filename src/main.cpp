// Varnel, the application. On a Mac it runs on the real platform layer; elsewhere on the
// simulated Mac, in the state varnel-sim starts from, so that the whole interface can be
// used and tested. The main queue is Qt's in both, and so is quitting: Qt's aboutToQuit is
// the application's will-terminate notification everywhere.
//
// `varnel --self-check` prints what the system gives Varnel and exits, 0 when the keyboard can
// be remapped; `--help` and `--version` print and exit without opening anything. On a Mac the
// self-check is started through Launch Services (scripts/self-check: open -W -n ...
// Varnel.app --args --self-check), so that macOS answers for Varnel, not for a terminal.

#include <QApplication>
#include <QLocale>
#include <iostream>
#include <optional>
#include <string_view>

#include "app/app_state.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/qt/qt_system_notifications.h"
#include "ui/translation.h"
#include "ui/varnel_app.h"

#ifdef __APPLE__
#include "app/self_check.h"
#include "platform/macos/mac_platform.h"
#include "platform/macos/mac_self_check_probe.h"
#include "platform/qt/qt_key_window_control.h"
#else
#include <memory>

#include "platform/qt/qsettings_store.h"
#include "platform/qt/qt_application_control.h"
#include "platform/sim/memory_settings_store.h"
#include "platform/sim/sim_mac.h"
#endif

namespace {

#ifdef __APPLE__
// The real Mac. Its windows are Qt's, so the key window closes through Qt.
struct Platform {
    varnel::MacPlatform mac;
    varnel::QtKeyWindowControl application{mac.application};
    varnel::QtSystemNotifications notifications{mac.notifications};

    varnel::AppPlatform wire(varnel::MainQueue& mainQueue) {
        const varnel::AppPlatform system = mac.platform(mainQueue);
        return {system.events,    mainQueue,          system.settings,     notifications,
                application,      system.permissions, system.inputSources, system.loginItems,
                system.workspace, system.secureInput, system.focus};
    }
};

// The report in the user's language, as the window would be. Qt's translators need an
// application object; a core one opens nothing.
int selfCheck(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const varnel::Translation translation(
        varnel::Translation::preferred(QLocale::system().uiLanguages()));
    varnel::MacPlatform mac;
    varnel::MacSelfCheckProbe probe;
    const varnel::SelfCheck::Findings findings =
        varnel::SelfCheck::examine({probe, mac.permissions, mac.inputSources,
                                    mac.inputSourceManager, mac.loginItems, mac.settings});
    std::cout << varnel::SelfCheck::report(findings, [](const char* source) {
        return varnel::Translation::text(varnel::SelfCheck::textContext, source);
    }) << std::flush;
    return varnel::SelfCheck::ready(findings) ? 0 : 1;
}
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
    varnel::QtSystemNotifications notifications{mac.notifications};

    varnel::AppPlatform wire(varnel::MainQueue& mainQueue) {
        const varnel::AppPlatform sim = mac.platform();
        return {sim.events,    mainQueue,       settings,         notifications,
                application,   sim.permissions, sim.inputSources, sim.loginItems,
                sim.workspace, sim.secureInput, sim.focus};
    }
};

int selfCheck(int, char**) {
    std::cerr << "varnel: --self-check examines a Mac; this build runs over the simulated Mac\n";
    return 2;
}
#endif

constexpr const char* usage = R"(usage: varnel [--self-check | --help | --version]

Varnel makes a Mac keyboard behave like a Windows PC keyboard. Without an option it starts
the application: its window and its menu bar item. Away from a Mac it runs over a simulated
Mac, with its settings in Qt's settings file for Varnel.

  --self-check      print what this Mac gives Varnel (permissions, input sources, the login
                    item, a keyboard tap, the stored settings) and exit: 0 when the keyboard
                    can be remapped
  --empty-settings  away from a Mac: start with empty settings, kept in memory for this run
  --help            print this text and exit
  --version         print the version and exit

Options of Qt itself (-platform, -style, ...) are passed to Qt.
)";

enum class Action { run, selfCheck, help, version };

// The first option that ends the program before it starts decides; Qt takes its own options
// (one dash) itself. Empty when an option is unknown.
std::optional<Action> actionOf(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--self-check") {
            return Action::selfCheck;
        }
        if (arg == "--help" || arg == "-h") {
            return Action::help;
        }
        if (arg == "--version") {
            return Action::version;
        }
        if (arg.starts_with("--") && arg != "--empty-settings") {
            std::cerr << "varnel: unknown option " << arg << " (varnel --help lists them)\n";
            return std::nullopt;
        }
    }
    return Action::run;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Action> action = actionOf(argc, argv);
    if (!action) {
        return 2;
    }
    switch (*action) {
        case Action::selfCheck: return selfCheck(argc, argv);
        case Action::help: std::cout << usage; return 0;
        case Action::version: std::cout << "Varnel " VARNEL_VERSION "\n"; return 0;
        case Action::run: break;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    QApplication::setOrganizationName(QStringLiteral("Varnel"));
    // Before anything is built: Qt titles the Mac application menu from the translators too.
    varnel::Translation translation(
        varnel::Translation::preferred(QLocale::system().uiLanguages()));

    Platform platform;
    varnel::QtMainQueue mainQueue;
    const auto state = varnel::AppState::make(platform.wire(mainQueue));
    varnel::VarnelApp shell(*state);
    shell.showAtLaunch();
    return QApplication::exec();
}
