#include "ui/menu_bar_item.h"

#include <QApplication>
#include <QCursor>
#include <QSystemTrayIcon>
#include <QWidget>

#include "ui/icons.h"
#include "ui/menu_bar_menu.h"
#include "ui/state_observer.h"
#include "ui/texts.h"
#include "ui/theme.h"

#ifdef Q_OS_MACOS
#include "ui/macos/mac_appearance.h"
#endif

namespace varnel {

MenuBarItem::MenuBarItem(AppState& state, MenuBarMenu* menu, QObject* parent)
    : QObject(parent), state_(state), tray_(new QSystemTrayIcon(this)) {
    tray_->setContextMenu(menu);
#ifndef Q_OS_MACOS
    // A left click opens the menu too, as a menu bar item does (a Mac does this itself).
    connect(tray_, &QSystemTrayIcon::activated, this,
            [menu](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger) {
                    menu->popup(QCursor::pos());
                }
            });
    // The icon is drawn in the palette's text colour: follow the palette.
    qApp->installEventFilter(this);
#endif
    observer_ = new StateObserver(
        state_, [this] { refresh(); }, this);
    refresh();
    tray_->show();
    publishAccessibleName();  // the system's item exists only now
}

void MenuBarItem::refresh() {
    const bool on = state_.isModeEnabled();
    const QString symbol =
        on ? QStringLiteral("keyboard.badge.ellipsis") : QStringLiteral("keyboard");
    const QString name = (state_.showsSecureInputNotice() ? Texts::menuBarSecureInput
                          : on                            ? Texts::menuBarEnabled
                                                          : Texts::menuBarDisabled)
                             .tr();
    if (symbol != symbol_) {
        symbol_ = symbol;
        updateIcon();
    }
    if (name != accessibleName_) {
        accessibleName_ = name;
        tray_->setToolTip(name);
        publishAccessibleName();
    }
}

void MenuBarItem::updateIcon() {
#ifdef Q_OS_MACOS
    tray_->setIcon(Icons::maskIcon(symbol_.toStdString()));
#else
    // Panels are light or dark; the palette's text colour is the best guess at what reads.
    tray_->setIcon(Icons::trayIcon(symbol_.toStdString(),
                                   QApplication::palette().color(QPalette::WindowText)));
#endif
}

void MenuBarItem::publishAccessibleName() {
#ifdef Q_OS_MACOS
    MacAppearance::setStatusItemAccessibilityLabel(accessibleName_.toStdString());
#else
    // Without a tray service on the bus, Qt draws the icon in a window of its own, which it
    // names so.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("QSystemTrayIconSys")) {
            widget->setAccessibleName(accessibleName_);
        }
    }
#endif
}

bool MenuBarItem::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp) {
        updateIcon();
    } else if (event->type() == QEvent::Show && watched->isWidgetType() &&
               watched->objectName() == QStringLiteral("QSystemTrayIconSys")) {
        // Qt makes the icon's window anew when a tray starts again.
        static_cast<QWidget*>(watched)->setAccessibleName(accessibleName_);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace varnel
