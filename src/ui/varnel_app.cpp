#include "ui/varnel_app.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "ui/content_view.h"
#include "ui/menu_bar_item.h"
#include "ui/menu_bar_menu.h"
#include "ui/texts.h"
#include "ui/theme.h"

namespace varnel {

VarnelApp::VarnelApp(AppState& state, QObject* parent) : QObject(parent), state_(state) {
    QApplication::setQuitOnLastWindowClosed(false);

    window_ = new QMainWindow;
    window_->setObjectName(QStringLiteral("main"));
    window_->setWindowTitle(Theme::qt(Texts::appName));
    window_->setMinimumSize(minimumWidth, minimumHeight);
    window_->resize(defaultWidth, defaultHeight);
    content_ = new ContentView(state_, window_);
    window_->setCentralWidget(content_);

    hideCommand_ = new QAction(Theme::qt(Texts::hideWindowCommand), window_);
    hideCommand_->setShortcut(QKeySequence::Quit);
    connect(hideCommand_, &QAction::triggered, this, [this] { state_.hideMainWindow(); });
#ifdef Q_OS_MACOS
    // The Quit role puts the command in place of the application menu's Quit item.
    hideCommand_->setMenuRole(QAction::QuitRole);
    menuBar_ = new QMenuBar;
    menuBar_->addMenu(Theme::qt(Texts::appName))->addAction(hideCommand_);
#else
    hideCommand_->setShortcutContext(Qt::ApplicationShortcut);
    window_->addAction(hideCommand_);
#endif

    menu_ = new MenuBarMenu(state_, [this] { showMainWindow(); });
    menuBarItem_ = new MenuBarItem(state_, menu_, this);
}

VarnelApp::~VarnelApp() {
    delete menuBarItem_;
    delete menu_;
    delete menuBar_;
    delete window_;
}

void VarnelApp::showMainWindow() {
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace varnel
