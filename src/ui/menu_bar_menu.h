#pragma once

#include <QMenu>
#include <functional>

#include "app/app_state.h"

class QAction;

namespace varnel {

class StateObserver;

// The pull-down menu of the menu bar item: the main controls while the window is away.
class MenuBarMenu : public QMenu {
    Q_OBJECT

  public:
    // `openWindow` brings the main window back, creating it if it was closed; `quit` ends the
    // application, once "Завершить Varnel" has stopped the engine.
    MenuBarMenu(AppState& state, std::function<void()> openWindow,
                std::function<void()> quit = nullptr, QWidget* parent = nullptr);

    void refresh();

  private:
    QAction* addCommand(const QString& text, std::function<void()> action);

    AppState& state_;
    StateObserver* observer_;
    QAction* language_;
    QAction* toggleMode_;
    QAction* launchAtLogin_;
};

}  // namespace varnel
