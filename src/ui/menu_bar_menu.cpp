#include "ui/menu_bar_menu.h"

#include "ui/state_observer.h"
#include "ui/texts.h"
#include "ui/theme.h"
#include "ui/translation.h"

namespace varnel {

MenuBarMenu::MenuBarMenu(AppState& state, std::function<void()> openWindow,
                         std::function<void()> quit, QWidget* parent)
    : QMenu(parent), state_(state) {
    setObjectName(QStringLiteral("menuBarMenu"));
    language_ = addCommand({}, nullptr);
    language_->setEnabled(false);
    toggleMode_ = addCommand({}, [this] { state_.toggleMode(); });
    addSeparator()->setMenuRole(QAction::NoRole);
    addCommand(Texts::menuOpen.tr(), [this, openWindow = std::move(openWindow)] {
        if (openWindow) {
            openWindow();
        }
        state_.activateApplication();
    });
    addCommand(Texts::menuHide.tr(), [this] { state_.hideMainWindow(); });
    launchAtLogin_ = addCommand(Texts::menuLaunchAtLogin.tr(), nullptr);
    launchAtLogin_->setCheckable(true);
    connect(launchAtLogin_, &QAction::triggered, this,
            [this](bool checked) { state_.setLaunchAtLogin(checked, /*silently=*/false); });
    addSeparator()->setMenuRole(QAction::NoRole);
    addCommand(Texts::menuStopHint.tr(), nullptr)->setEnabled(false);
    addSeparator()->setMenuRole(QAction::NoRole);
    // The keys are handed back before anything else goes: nothing stays held down.
    addCommand(Texts::menuQuit.tr(), [this, quit = std::move(quit)] {
        state_.stopForQuit();
        if (quit) {
            quit();
        }
    });

    observer_ = new StateObserver(
        state_, [this] { refresh(); }, this);
    connect(this, &QMenu::aboutToShow, this, [this] { refresh(); });
    refresh();
}

QAction* MenuBarMenu::addCommand(const QString& text, std::function<void()> action) {
    QAction* item = addAction(text);
    // Otherwise Qt moves an item that looks like Quit, About or Preferences into the
    // application menu on a Mac.
    item->setMenuRole(QAction::NoRole);
    if (action) {
        connect(item, &QAction::triggered, this, [action = std::move(action)] { action(); });
    }
    return item;
}

void MenuBarMenu::refresh() {
    language_->setText(Translation::message(state_.typingLanguage().displayName()));
    toggleMode_->setText((state_.isModeEnabled() ? Texts::menuModeOn : Texts::menuModeOff).tr());
    launchAtLogin_->setChecked(state_.launchAtLogin());
}

}  // namespace varnel
