#include "platform/qt/qt_application_control.h"

#include <QApplication>
#include <QWidget>

namespace varnel {

namespace {

// A window of the application as the user sees it: not the tray icon's own window, which Qt
// makes outside the window manager's care.
bool isApplicationWindow(const QWidget* widget) {
    return widget->isWindow() && widget->isVisible() &&
           !widget->windowFlags().testFlag(Qt::BypassWindowManagerHint);
}

}  // namespace

void QtApplicationControl::closeKeyWindow() {
    if (QWidget* window = QApplication::activeWindow()) {
        window->close();
    }
}

void QtApplicationControl::hideApplication() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (isApplicationWindow(widget)) {
            widget->hide();
        }
    }
}

void QtApplicationControl::activateIgnoringOtherApps() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (isApplicationWindow(widget) && !widget->isMinimized()) {
            widget->raise();
            widget->activateWindow();
        }
    }
}

}  // namespace varnel
