#include "ui/varnel_app.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSystemTrayIcon>

#include "ui/alert.h"
#include "ui/content_view.h"
#include "ui/icon_tile.h"
#include "ui/menu_bar_item.h"
#include "ui/menu_bar_menu.h"
#include "ui/texts.h"
#include "ui/theme.h"

namespace varnel {

VarnelApp::Desktop VarnelApp::systemDesktop() {
    return {[] { return QSystemTrayIcon::isSystemTrayAvailable(); },
            [] { QCoreApplication::quit(); }};
}

VarnelApp::VarnelApp(AppState& state, Desktop desktop, QObject* parent)
    : QObject(parent), state_(state), desktop_(std::move(desktop)) {
    QApplication::setQuitOnLastWindowClosed(false);

    window_ = new QMainWindow;
    window_->setObjectName(QStringLiteral("main"));
    window_->setWindowTitle(Theme::qt(Texts::appName));
    window_->setWindowIcon(IconTile::pixmap(window_->palette(), 128));
    window_->setMinimumSize(minimumWidth, minimumHeight);
    window_->resize(defaultWidth, defaultHeight);
    window_->installEventFilter(this);
    content_ = new ContentView(state_, window_);
    window_->setCentralWidget(content_);

    hideCommand_ = new QAction(Theme::qt(Texts::hideWindowCommand), window_);
    hideCommand_->setShortcut(QKeySequence::Quit);
    connect(hideCommand_, &QAction::triggered, this, [this] { hideWindow(); });
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

void VarnelApp::hideWindow() {
    if (desktop_.hasTray()) {
        state_.hideMainWindow();
    } else {
        window_->close();  // the close itself says that it quits, or quits
    }
}

bool VarnelApp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::Close && keepOpenToSayItQuits()) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::PaletteChange) {
            window_->setWindowIcon(IconTile::pixmap(window_->palette(), 128));
        }
    }
    return QObject::eventFilter(watched, event);
}

bool VarnelApp::keepOpenToSayItQuits() {
    if (desktop_.hasTray()) {
        return false;
    }
    if (quitNotice_) {
        // Said once already: this close quits.
        desktop_.quit();
        return false;
    }
    quitNotice_ = new Alert(window_);
    quitNotice_->setObjectName(QStringLiteral("quitNotice"));
    quitNotice_->setMessage(Theme::qt(Texts::quitNotice));
    QPushButton* quit =
        quitNotice_->addButton(Theme::qt(Texts::quitButton), QMessageBox::DestructiveRole);
    quitNotice_->addButton(Theme::qt(Texts::cancelButton), QMessageBox::RejectRole);
    quitNotice_->setDefaultButton(quit);
    connect(quitNotice_, &QMessageBox::buttonClicked, this, [this, quit](QAbstractButton* button) {
        if (button == quit) {
            desktop_.quit();
        }
    });
    quitNotice_->open();
    return true;
}

}  // namespace varnel
