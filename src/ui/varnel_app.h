#pragma once

#include <QObject>

#include "app/app_state.h"

class QAction;
class QMainWindow;
class QMenuBar;

namespace varnel {

class ContentView;
class MenuBarItem;
class MenuBarMenu;

// The application shell: one main window titled "Varnel" and the menu bar item, both on the
// same AppState. Quitting is replaced by hiding: Command + Q (Ctrl + Q elsewhere) runs
// "Скрыть окно Varnel", and closing the last window leaves the process and the remapping
// running.
class VarnelApp : public QObject {
    Q_OBJECT

  public:
    static constexpr int minimumWidth = 660;
    static constexpr int minimumHeight = 650;
    static constexpr int defaultWidth = 720;
    static constexpr int defaultHeight = 740;

    explicit VarnelApp(AppState& state, QObject* parent = nullptr);
    ~VarnelApp() override;

    // Shows the single main window, bringing it forward if it is already open.
    void showMainWindow();

    QMainWindow* mainWindow() const { return window_; }
    ContentView* contentView() const { return content_; }
    QAction* hideCommand() const { return hideCommand_; }
    MenuBarMenu* menu() const { return menu_; }

  private:
    AppState& state_;
    QMainWindow* window_;
    ContentView* content_;
    QAction* hideCommand_;
    QMenuBar* menuBar_ = nullptr;
    MenuBarMenu* menu_;
    MenuBarItem* menuBarItem_;
};

}  // namespace varnel
