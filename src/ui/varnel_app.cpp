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
#include "ui/state_observer.h"
#include "ui/texts.h"
#include "ui/theme.h"

namespace varnel {

VarnelApp::Desktop VarnelApp::systemDesktop() {
#ifdef Q_OS_MACOS
    constexpr bool reopensByActivation = true;
#else
    constexpr bool reopensByActivation = false;
#endif
    return {[] { return QSystemTrayIcon::isSystemTrayAvailable(); },
            [] { QCoreApplication::quit(); }, reopensByActivation};
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

    hideCommand_ = new QAction(Texts::hideWindowCommand.tr(), window_);
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

    menu_ = new MenuBarMenu(
        state_, [this] { showMainWindow(); }, [this] { desktop_.quit(); });
    menuBarItem_ = new MenuBarItem(state_, menu_, this);

    observer_ = new StateObserver(
        state_, [this] { restoreSettled(); }, this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) {
                    applicationBecameActive();
                }
            });
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

void VarnelApp::showAtLaunch() {
    // Without a tray nothing could bring the window later: it comes now.
    if (state_.isModeRestorePending() && desktop_.hasTray()) {
        awaitingRestore_ = true;
        return;
    }
    showMainWindow();
}

// A restore that failed, or left something to read in an alert, needs the window.
void VarnelApp::restoreSettled() {
    if (!awaitingRestore_ || state_.isModeRestorePending()) {
        return;
    }
    awaitingRestore_ = false;
    if (!state_.isModeEnabled() || state_.bannerMessage()) {
        showMainWindow();
    }
}

// The Dock icon clicked, or Varnel opened again, while the window is away. The activation of the
// launch itself, before the restore has settled, is not a request for the window.
void VarnelApp::applicationBecameActive() {
    if (!desktop_.reopensByActivation || awaitingRestore_ || window_->isVisible() ||
        QApplication::activePopupWidget()) {
        return;
    }
    showMainWindow();
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
    quitNotice_->setMessage(Texts::quitNotice.tr());
    QPushButton* quit =
        quitNotice_->addButton(Texts::quitButton.tr(), QMessageBox::DestructiveRole);
    quitNotice_->addButton(Texts::cancelButton.tr(), QMessageBox::RejectRole);
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
