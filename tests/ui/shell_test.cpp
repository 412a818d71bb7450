#include <QAction>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>

#include "platform/qt/qt_application_control.h"
#include "ui/varnel_app.h"
#include "ui_fixture.h"
#include "ui_tests.h"

namespace varnel {

namespace {

// The shell with Qt's own window control, so that hiding really hides.
struct ShellFixture : UiFixture {
    QtApplicationControl control;

    void launchWithQtWindows() {
        AppPlatform platform = mac.platform();
        state = AppState::make(AppPlatform{platform.events, platform.mainQueue, platform.settings,
                                           platform.notifications, control, platform.permissions,
                                           platform.inputSources, platform.loginItems});
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
    VarnelApp shell(*f.state);
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

    shell.showMainWindow();
    shell.mainWindow()->close();  // the close button
    f.settle();
    QVERIFY(!shell.mainWindow()->isVisible());
    QCOMPARE(quitting.count(), 0);

    shell.showMainWindow();  // "Открыть Varnel" brings the same window back
    QVERIFY(shell.mainWindow()->isVisible());
}

}  // namespace varnel
