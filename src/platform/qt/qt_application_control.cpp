#include "platform/qt/qt_application_control.h"

#include <QApplication>
#include <QWidget>

namespace varnel {

void QtApplicationControl::closeKeyWindow() {
    if (QWidget* window = QApplication::activeWindow()) {
        window->close();
    }
}

void QtApplicationControl::hideApplication() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isWindow() && widget->isVisible()) {
            widget->hide();
        }
    }
}

void QtApplicationControl::activateIgnoringOtherApps() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isWindow() && widget->isVisible() && !widget->isMinimized()) {
            widget->raise();
            widget->activateWindow();
        }
    }
}

}  // namespace varnel
