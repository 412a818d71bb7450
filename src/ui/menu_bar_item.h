#pragma once

#include <QObject>
#include <QString>

#include "app/app_state.h"

class QSystemTrayIcon;

namespace varnel {

class MenuBarMenu;
class StateObserver;

// The menu bar item: a keyboard that shows whether the mode is on, with the menu.
class MenuBarItem : public QObject {
    Q_OBJECT

  public:
    MenuBarItem(AppState& state, MenuBarMenu* menu, QObject* parent = nullptr);

    // The symbol shown and the name that assistive technology reads for it.
    QString symbol() const { return symbol_; }
    QString accessibleName() const { return accessibleName_; }
    QSystemTrayIcon* trayIcon() const { return tray_; }
    void refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void updateIcon();
    // Hands the name to the system's accessibility, which Qt's tool tip does not reach.
    void publishAccessibleName();

    AppState& state_;
    QSystemTrayIcon* tray_;
    StateObserver* observer_;
    QString symbol_;
    QString accessibleName_;
};

}  // namespace varnel
