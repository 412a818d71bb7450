// The window and the menu in the interface's language, and the settings file's two buttons.

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "ui/alert.h"
#include "ui/collapsible_group.h"
#include "ui/content_view.h"
#include "ui/menu_bar_menu.h"
#include "ui/settings_file_panel.h"
#include "ui/translation.h"
#include "ui_fixture.h"
#include "ui_tests.h"

namespace varnel {

namespace {

using Language = Translation::Language;

// Every text a person can read in the window: labels, buttons, group titles, tool tips and
// the names read out to VoiceOver, in the order of the widgets.
QStringList textsOf(const QWidget& window) {
    QStringList texts;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            texts << button->text();
        }
        texts << widget->toolTip() << widget->accessibleName();
    }
    texts.removeAll(QString());
    return texts;
}

QStringList textsOf(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    return texts;
}

QStringList russianAmong(const QStringList& texts) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return texts.filter(cyrillic);
}

// Varnel working, every group open, a shortcut and a letter typed, an application left alone: as many of the
// window's texts on show as one state allows. The permission cards need a missing
// permission, the mode card's detail a failed start: `permissionsMissing` shows those.
struct Shown {
    UiFixture f;
    std::unique_ptr<ContentView> view;
    std::unique_ptr<MenuBarMenu> menu;

    explicit Shown(bool permissionsMissing) {
        f.mac.workspace.install("com.vmware.fusion", "VMware Fusion");
        f.mac.workspace.activate("com.apple.Safari");
        f.mac.permissions.inputMonitoring = !permissionsMissing;
        f.launch();
        f.state->addExcludedApplication("com.vmware.fusion");
        view = std::make_unique<ContentView>(*f.state);
        menu = std::make_unique<MenuBarMenu>(*f.state, nullptr, nullptr);
        view->resize(720, 900);
        view->show();
        f.settle();
        f.state->toggleMode();
        f.mac.keyboard.press(59);  // Ctrl + C
        f.mac.keyboard.press(8);
        f.mac.keyboard.release(8);
        f.mac.keyboard.release(59);
        f.mac.keyboard.press(0);  // A, typed by Varnel itself
        f.mac.keyboard.release(0);
        for (auto* group : view->findChildren<CollapsibleGroup*>()) {
            group->setExpanded(true);
        }
        f.settle();
        view->refreshNow();
        menu->refresh();
    }
};

}  // namespace

void LanguageTest::windowAndMenuReadEnglishWithEnglish() {
    for (const bool permissionsMissing : {false, true}) {
        const Translation english(Language::english);
        Shown shown(permissionsMissing);
        const QStringList window = textsOf(*shown.view);
        QVERIFY2(russianAmong(window).isEmpty(),
                 qPrintable(russianAmong(window).join(QStringLiteral(" | "))));
        const QStringList menu = textsOf(*shown.menu);
        QVERIFY2(russianAmong(menu).isEmpty(),
                 qPrintable(russianAmong(menu).join(QStringLiteral(" | "))));
        if (!permissionsMissing) {
            QVERIFY(
                window.contains(QStringLiteral("Turn Off and Give the Keyboard Back to macOS")));
            QVERIFY(window.contains(QStringLiteral("Windows mode is on")));
            QVERIFY(window.contains(QStringLiteral("Windows text: a")));
            QVERIFY(window.contains(QStringLiteral("English · Windows · system: ABC")));
            QVERIFY(menu.contains(QStringLiteral("Quit Varnel")));
        } else {
            QVERIFY(window.contains(QStringLiteral("Input Monitoring")));
            QVERIFY(window.contains(QStringLiteral("Permissions needed")));
        }
        // An alert, from the core's own text.
        shown.f.state->setBannerMessage(
            "Windows-режим аварийно отключён сочетанием Ctrl + Alt + Windows + Esc.");
        shown.f.settle();
        QVERIFY(shown.view->alert() && shown.view->alert()->isVisible());
        QCOMPARE(shown.view->alert()->informativeText(),
                 QStringLiteral("Windows mode was stopped by the emergency shortcut "
                                "Ctrl\u00a0+\u00a0Alt\u00a0+\u00a0Windows\u00a0+\u00a0Esc."));
    }
}

// Russian is the language the texts are written in: with it chosen, the window is exactly the
// window Varnel showed before it had a translation.
void LanguageTest::windowAndMenuReadTodaysTextsWithRussian() {
    for (const bool permissionsMissing : {false, true}) {
        Shown untranslated(permissionsMissing);
        const Translation russian(Language::russian);
        Shown chosen(permissionsMissing);
        QCOMPARE(textsOf(*chosen.view), textsOf(*untranslated.view));
        QCOMPARE(textsOf(*chosen.menu), textsOf(*untranslated.menu));
        if (!permissionsMissing) {
            QVERIFY(textsOf(*chosen.view)
                        .contains(QStringLiteral("Выключить и вернуть управление macOS")));
        }
    }
}

void LanguageTest::settingsGoToAFileAndComeBackWhenConfirmed() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    UiFixture f;
    f.launch();
    ContentView view(*f.state);
    view.show();
    f.settle();
    auto* panel = view.findChild<SettingsFilePanel*>(QStringLiteral("settingsFilePanel"));
    QVERIFY(panel);
    auto* outcome = panel->findChild<QLabel*>(QStringLiteral("settingsFileOutcome"));
    QVERIFY(outcome);

    const QString path = folder.filePath(QStringLiteral("moved.json"));
    panel->exportTo(path);
    QVERIFY(outcome->isVisibleTo(panel));
    QCOMPARE(outcome->text(), QStringLiteral("Настройки сохранены в «moved.json»."));

    KeyboardOptions changed = f.state->options();
    changed.windowsLockShortcut = false;
    f.state->setOptions(changed);

    // The question names the switch as the window does; "Отменить" changes nothing.
    const auto question = [&] {
        panel->importFrom(path);
        f.settle();
        Alert* alert = panel->alert();
        return alert && alert->isVisible() ? alert : nullptr;
    };
    Alert* alert = question();
    QVERIFY(alert);
    QVERIFY(alert->informativeText().contains(QStringLiteral("moved.json")));
    QVERIFY(alert->informativeText().contains(
        QStringLiteral("Windows\u00a0+\u00a0L блокирует Mac: включено")));
    QCOMPARE(alert->buttons().size(), 2);
    QTest::mouseClick(alert->buttons().back(), Qt::LeftButton);  // the second: "Отменить"
    f.settle();
    QVERIFY(!f.state->options().windowsLockShortcut);

    alert = question();
    QVERIFY(alert);
    QTest::mouseClick(alert->defaultButton(), Qt::LeftButton);
    f.settle();
    QVERIFY(f.state->options().windowsLockShortcut);
    QCOMPARE(outcome->text(), QStringLiteral("Настройки из «moved.json» применены."));

    // A file that is not Varnel's: its reason alone, one button, nothing changed.
    const QString other = folder.filePath(QStringLiteral("other.json"));
    std::ofstream(other.toStdString()) << R"({"name": "another program"})";
    f.state->setOptions(changed);
    panel->importFrom(other);
    f.settle();
    alert = panel->alert();
    QVERIFY(alert && alert->isVisible());
    QCOMPARE(alert->informativeText(),
             QStringLiteral("Настройки не импортированы: это не файл настроек Varnel."));
    QCOMPARE(alert->buttons().size(), 1);
    QCOMPARE(f.state->options(), changed);

    // A folder that does not exist: the export's failure is an alert, not the line.
    panel->exportTo(folder.filePath(QStringLiteral("absent/moved.json")));
    f.settle();
    alert = panel->alert();
    QVERIFY(alert && alert->isVisible());
    QVERIFY(alert->informativeText().startsWith(QStringLiteral("Настройки не сохранены")));
}

}  // namespace varnel
