#include "platform/qt/qt_key_window_control.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QTest>

#include "app/app_state.h"
#include "platform/sim/sim_mac.h"
#include "ui/varnel_app.h"

namespace varnel {
namespace {

// The shell as on a Mac: Qt's windows, and the system (here the simulated Mac's control,
// which records) hiding and activating the application.
struct ShellOnAMac {
    SimMac mac;
    QtKeyWindowControl control{mac.application};
    std::shared_ptr<AppState> state;
    std::unique_ptr<VarnelApp> shell;

    ShellOnAMac() {
        const AppPlatform sim = mac.platform();
        state = AppState::make({sim.events, sim.mainQueue, sim.settings, sim.notifications, control,
                                sim.permissions, sim.inputSources, sim.loginItems, sim.workspace,
                                sim.secureInput, sim.focus});
        mac.settle();
        // A Mac always has its menu bar, where the status item lives.
        shell = std::make_unique<VarnelApp>(*state, VarnelApp::Desktop{[] { return true; }, [] {}});
    }
    QMainWindow* window() const { return shell->mainWindow(); }
    void makeKey(QWidget* widget) {
        widget->show();
        widget->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([widget] { return QApplication::activeWindow() == widget; }));
    }
    // "Открыть Varnel" in the menu.
    void openWindow() {
        shell->showMainWindow();
        state->activateApplication();
    }
};

TEST(QtKeyWindowControlTest, HiddenWindowComesBack) {
    ShellOnAMac f;
    f.makeKey(f.window());
    f.shell->hideCommand()->trigger();  // Command + Q
    EXPECT_FALSE(f.window()->isVisible());
    // The window closed through Qt; the system was only asked to hide the application.
    EXPECT_EQ(f.mac.application.calls, std::vector<std::string>{"hide"});

    f.openWindow();
    EXPECT_TRUE(f.window()->isVisible());
    EXPECT_EQ(f.mac.application.calls, (std::vector<std::string>{"hide", "activate"}));
}

TEST(QtKeyWindowControlTest, AKeyDialogClosesAndTheWindowStays) {
    ShellOnAMac f;
    f.makeKey(f.window());
    QDialog dialog(f.window());
    f.makeKey(&dialog);
    f.state->hideMainWindow();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(f.window()->isVisible());  // shown again when the application is unhidden
}

TEST(QtKeyWindowControlTest, TheActivityIsTheSystems) {
    ShellOnAMac f;
    f.state->toggleMode();
    f.mac.settle();
    EXPECT_TRUE(f.mac.application.holdsActivity);
    f.state->toggleMode();
    EXPECT_FALSE(f.mac.application.holdsActivity);
}

}  // namespace
}  // namespace varnel
