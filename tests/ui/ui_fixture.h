#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <memory>

#include "app/app_state.h"
#include "platform/sim/sim_mac.h"

namespace varnel {

// AppState on a simulated Mac, for widgets under test.
struct UiFixture {
    SimMac mac;
    std::shared_ptr<AppState> state;

    void launch() {
        state = AppState::make(mac.platform());
        mac.settle();
    }
    // Runs the simulated Mac's queue, then Qt's, so that views have caught up.
    void settle() {
        mac.settle();
        QApplication::processEvents();
        mac.settle();
        QApplication::processEvents();
    }
};

// The window Qt draws a tray icon in where no tray service is on the bus (an X11 tray),
// made as Qt makes it; the offscreen platform has none of its own.
struct TrayWindow : QWidget {
    TrayWindow()
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint) {
        setObjectName(QStringLiteral("QSystemTrayIconSys"));
        resize(22, 22);
        show();
    }
};

}  // namespace varnel
