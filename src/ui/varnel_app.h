#pragma once

#include <QObject>
#include <functional>

#include "app/app_state.h"

class QAction;
class QMainWindow;
class QMenuBar;

namespace varnel {

class Alert;
class ContentView;
class MenuBarItem;
class MenuBarMenu;
class StateObserver;

// The application shell: one main window titled "Varnel" and the menu bar item, both on the
// same AppState. Command + Q (Ctrl + Q elsewhere) runs "Скрыть окно Varnel", and closing the
// last window leaves the process and the remapping running; the menu's "Завершить Varnel"
// quits. Where the desktop has no system tray nothing could bring a hidden window back: there
// closing or hiding the window quits, after the window has said so once.
class VarnelApp : public QObject {
    Q_OBJECT

  public:
    static constexpr int minimumWidth = 660;
    static constexpr int minimumHeight = 650;
    static constexpr int defaultWidth = 720;
    static constexpr int defaultHeight = 740;

    // What the shell asks of the desktop; tests stand in for it.
    struct Desktop {
        std::function<bool()> hasTray;
        std::function<void()> quit;
        // A Mac reports a click on the Dock icon, or the application opened again, only as the
        // application becoming active. Elsewhere only a window of Varnel's own (the tray's
        // menu among them) makes it active, which must not bring the window.
        bool reopensByActivation = false;
    };
    static Desktop systemDesktop();

    explicit VarnelApp(AppState& state, Desktop desktop = systemDesktop(),
                       QObject* parent = nullptr);
    ~VarnelApp() override;

    // Shows the single main window, bringing it forward if it is already open.
    void showMainWindow();
    // At launch: the window, unless the mode comes back by itself (a login): then Varnel stays
    // in the menu bar, and the window comes only if the mode could not come back.
    void showAtLaunch();

    QMainWindow* mainWindow() const { return window_; }
    ContentView* contentView() const { return content_; }
    QAction* hideCommand() const { return hideCommand_; }
    MenuBarMenu* menu() const { return menu_; }
    MenuBarItem* menuBarItem() const { return menuBarItem_; }
    // The notice that closing quits, once it has been shown.
    Alert* quitNotice() const { return quitNotice_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void hideWindow();
    void restoreSettled();
    void applicationBecameActive();
    // False when the window may close.
    bool keepOpenToSayItQuits();

    AppState& state_;
    Desktop desktop_;
    QMainWindow* window_;
    ContentView* content_;
    QAction* hideCommand_;
    QMenuBar* menuBar_ = nullptr;
    MenuBarMenu* menu_;
    MenuBarItem* menuBarItem_;
    Alert* quitNotice_ = nullptr;
    StateObserver* observer_;
    bool awaitingRestore_ = false;
};

}  // namespace varnel
