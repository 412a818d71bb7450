#include "ui/menu_bar_item.h"

#include <QCursor>
#include <QSystemTrayIcon>

#include "ui/icons.h"
#include "ui/menu_bar_menu.h"
#include "ui/state_observer.h"
#include "ui/texts.h"
#include "ui/theme.h"

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
#endif
    observer_ = new StateObserver(
        state_, [this] { refresh(); }, this);
    refresh();
    tray_->show();
}

void MenuBarItem::refresh() {
    const bool on = state_.isModeEnabled();
    const QString symbol =
        on ? QStringLiteral("keyboard.badge.ellipsis") : QStringLiteral("keyboard");
    const QString name = Theme::qt(on ? Texts::menuBarEnabled : Texts::menuBarDisabled);
    if (symbol != symbol_) {
        symbol_ = symbol;
        tray_->setIcon(Icons::maskIcon(symbol_.toStdString()));
    }
    accessibleName_ = name;
    tray_->setToolTip(name);
}

}  // namespace varnel
