#include <QAction>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include "platform/qt/qt_application_control.h"
#include "ui/alert.h"
#include "ui/collapsible_group.h"
#include "ui/content_view.h"
#include "ui/menu_bar_item.h"
#include "ui/varnel_app.h"
#include "ui_fixture.h"
#include "ui_tests.h"

namespace varnel {

namespace {

// The shell with Qt's own window control, so that hiding really hides, on a desktop with or
// without a tray.
struct ShellFixture : UiFixture {
    QtApplicationControl control;
    bool hasTray = true;
    int quits = 0;

    bool reopensByActivation = false;

    VarnelApp::Desktop desktop() {
        return {[this] { return hasTray; }, [this] { ++quits; }, reopensByActivation};
    }

    void launchWithQtWindows() {
        AppPlatform platform = mac.platform();
        state = AppState::make(AppPlatform{
            platform.events, platform.mainQueue, platform.settings, platform.notifications, control,
            platform.permissions, platform.inputSources, platform.loginItems, platform.workspace,
            platform.secureInput, platform.focus});
        mac.settle();
    }
};

}  // namespace

void ShellTest::oneWindowWithItsSizes() {
    UiFixture f;
    f.launch();
    VarnelApp shell(*f.state);
    shell.showMainWindow();
    shell.showMainWindow();  // brought forward, not doubled
    QMainWindow* window = shell.mainWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Varnel"));
    QCOMPARE(window->minimumSize(), QSize(660, 650));
    QCOMPARE(window->size(), QSize(720, 740));
    int mainWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        mainWindows += qobject_cast<QMainWindow*>(widget) != nullptr;
    }
    QCOMPARE(mainWindows, 1);
    QCOMPARE(shell.hideCommand()->text(), QStringLiteral("Скрыть окно Varnel"));
    QCOMPARE(shell.hideCommand()->shortcut(), QKeySequence(QKeySequence::Quit));
}

void ShellTest::hideCommandHidesAndTheProcessGoesOn() {
    ShellFixture f;
    f.launchWithQtWindows();
    TrayWindow tray;
    VarnelApp shell(*f.state, f.desktop());
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    shell.showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(shell.mainWindow()));
    f.state->toggleMode();
    f.settle();
    QVERIFY(!QApplication::quitOnLastWindowClosed());

    shell.mainWindow()->activateWindow();
    shell.hideCommand()->trigger();
    f.settle();
    QVERIFY(!shell.mainWindow()->isVisible());
    QVERIFY(f.state->isModeEnabled());  // the remapping goes on
    // The way back stays: the tray icon and the window it is drawn in.
    QVERIFY(shell.menuBarItem()->trayIcon()->isVisible());
    QVERIFY(tray.isVisible());
    QCOMPARE(f.quits, 0);

    shell.showMainWindow();
    shell.mainWindow()->close();  // the close button
    f.settle();
    QVERIFY(!shell.mainWindow()->isVisible());
    QCOMPARE(quitting.count(), 0);

    shell.showMainWindow();  // "Открыть Varnel" brings the same window back
    QVERIFY(shell.mainWindow()->isVisible());
}

void ShellTest::windowComesBackAsFreshlyOpened() {
    ShellFixture f;
    f.launchWithQtWindows();
    VarnelApp shell(*f.state, f.desktop());
    shell.showMainWindow();
    f.settle();
    const auto groups = shell.contentView()->findChildren<CollapsibleGroup*>();
    QCOMPARE(groups.size(), 3);  // settings, rules for applications, diagnostics
    QScrollBar* scroll = shell.contentView()->findChild<QScrollArea*>()->verticalScrollBar();
    const auto openAndScroll = [&] {
        for (auto* group : groups) {
            group->setExpanded(true);
        }
        f.settle();
        scroll->setValue(scroll->maximum());
        QVERIFY(scroll->value() > 0);
    };
    const auto comesBackFresh = [&] {
        shell.showMainWindow();
        f.settle();
        for (auto* group : groups) {
            QVERIFY(!group->isExpanded());
        }
        QCOMPARE(scroll->value(), 0);
    };

    openAndScroll();
    shell.mainWindow()->close();  // the close button
    comesBackFresh();

    openAndScroll();
    shell.mainWindow()->activateWindow();
    shell.hideCommand()->trigger();  // Command + Q
    f.settle();
    comesBackFresh();
}

void ShellTest::withoutTrayClosingQuitsAfterSayingSoOnce() {
    const QString quit = QStringLiteral("Завершить Varnel");
    const QString cancel = QStringLiteral("Отменить");
    const auto buttonNamed = [](Alert* notice, const QString& text) -> QAbstractButton* {
        for (QAbstractButton* button : notice->buttons()) {
            if (button->text() == text) {
                return button;
            }
        }
        return nullptr;
    };
    struct Case {
        const char* how;
        bool byCommand;  // Ctrl + Q instead of the close button
        bool cancelled;
    };
    const Case cases[] = {
        {"close, then quit", false, false},
        {"Ctrl + Q, then quit", true, false},
        {"close, cancel, close again", false, true},
    };
    for (const Case& c : cases) {
        ShellFixture f;
        f.hasTray = false;
        f.launchWithQtWindows();
        VarnelApp shell(*f.state, f.desktop());
        shell.showMainWindow();
        f.settle();
        const auto closeOnce = [&] {
            if (c.byCommand) {
                shell.mainWindow()->activateWindow();
                shell.hideCommand()->trigger();
            } else {
                shell.mainWindow()->close();
            }
            f.settle();
        };

        closeOnce();
        // Nothing could bring a hidden window back: the window stays and says so.
        QVERIFY2(shell.mainWindow()->isVisible(), c.how);
        Alert* notice = shell.quitNotice();
        QVERIFY2(notice && notice->isVisible(), c.how);
        QCOMPARE(notice->text(), QStringLiteral("Varnel"));
        QCOMPARE(notice->informativeText(),
                 QStringLiteral("Здесь нет области значков, из которой Varnel можно вернуть, "
                                "поэтому закрытие окна завершает Varnel. Переназначение "
                                "остановится до следующего запуска."));
        QCOMPARE(f.quits, 0);
        if (c.cancelled) {
            QTest::mouseClick(buttonNamed(notice, cancel), Qt::LeftButton);
            f.settle();
            QCOMPARE(f.quits, 0);
            QVERIFY(shell.mainWindow()->isVisible());
            closeOnce();  // said once already
            QVERIFY2(!shell.mainWindow()->isVisible(), c.how);
        } else {
            QTest::mouseClick(buttonNamed(notice, quit), Qt::LeftButton);
            f.settle();
        }
        QCOMPARE(f.quits, 1);
    }
}

void ShellTest::restoredLaunchStaysInTheMenuBar() {
    struct Case {
        const char* story;
        bool modeWasOn;
        bool hasTray;
        bool permissionMissing;
        bool shownAtOnce;
        bool shownAfterRestore;
    };
    const Case cases[] = {
        {"a launch with the mode off", false, true, false, true, true},
        {"a login that restores the mode", true, true, false, false, false},
        {"a restore refused for a permission", true, true, true, false, true},
        {"no tray to come back from", true, false, false, true, true},
    };
    for (const Case& c : cases) {
        ShellFixture f;
        f.hasTray = c.hasTray;
        f.mac.settings.setBool(AppState::modeEnabledKey, c.modeWasOn);
        f.mac.permissions.accessibility = !c.permissionMissing;
        f.launchWithQtWindows();
        VarnelApp shell(*f.state, f.desktop());
        shell.showAtLaunch();
        f.settle();
        QVERIFY2(shell.mainWindow()->isVisible() == c.shownAtOnce, c.story);
        f.mac.wait(AppState::restoreDelaySeconds);
        f.settle();
        QVERIFY2(shell.mainWindow()->isVisible() == c.shownAfterRestore, c.story);
        QVERIFY2(f.state->isModeEnabled() == (c.modeWasOn && !c.permissionMissing), c.story);
        // Nothing waits to be dismissed for a success.
        QVERIFY2(!shell.contentView()->alert() || !shell.contentView()->alert()->isVisible() ||
                     c.permissionMissing,
                 c.story);
    }
}

void ShellTest::reopeningShowsTheHiddenWindow() {
    const auto becomeActive = [] { emit qApp->applicationStateChanged(Qt::ApplicationActive); };
    for (bool mac : {true, false}) {
        ShellFixture f;
        f.reopensByActivation = mac;
        f.mac.settings.setBool(AppState::modeEnabledKey, true);
        f.launchWithQtWindows();
        VarnelApp shell(*f.state, f.desktop());
        shell.showAtLaunch();
        becomeActive();  // the launch's own activation: not a request for the window
        f.settle();
        QVERIFY(!shell.mainWindow()->isVisible());
        f.mac.wait(AppState::restoreDelaySeconds);
        f.settle();
        QVERIFY(f.state->isModeEnabled());
        QVERIFY(!shell.mainWindow()->isVisible());
        // The Dock icon clicked: on a Mac the window comes; elsewhere an activation only comes
        // from Varnel's own windows (the tray's menu), which must not bring it.
        becomeActive();
        f.settle();
        QCOMPARE(shell.mainWindow()->isVisible(), mac);
    }
}

}  // namespace varnel
