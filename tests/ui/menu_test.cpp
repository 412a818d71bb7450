#include <QAction>
#include <QSystemTrayIcon>
#include <QTest>

#include "ui/menu_bar_item.h"
#include "ui/menu_bar_menu.h"
#include "ui/theme.h"
#include "ui_fixture.h"
#include "ui_tests.h"

namespace varnel {

namespace {

struct Item {
    QString text;  // empty for a separator
    bool enabled;
    bool checkable;
};

std::vector<Item> itemsOf(const QMenu& menu) {
    std::vector<Item> items;
    for (QAction* action : menu.actions()) {
        items.push_back({action->isSeparator() ? QString() : action->text(), action->isEnabled(),
                         action->isCheckable()});
    }
    return items;
}

QAction* actionNamed(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    qFatal("no menu item %s", qPrintable(text));
}

}  // namespace

void MenuTest::itemsInOrder() {
    UiFixture f;
    f.launch();
    MenuBarMenu menu(*f.state, nullptr);
    const std::vector<Item> items = itemsOf(menu);
    const std::vector<Item> expected = {
        {QStringLiteral("English · Windows"), false, false},
        {QStringLiteral("Включить Windows-режим"), true, false},
        {QString(), true, false},
        {QStringLiteral("Открыть Varnel"), true, false},
        {QStringLiteral("Скрыть окно, оставить работать"), true, false},
        {QStringLiteral("Запускать при входе"), true, true},
        {QString(), true, false},
        {QStringLiteral("Чтобы остановить переназначение, нажмите «Выключить Windows-режим»."),
         false, false},
        {QString(), true, false},
        {QStringLiteral("Завершить Varnel"), true, false},
    };
    QCOMPARE(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i].text, expected[i].text);
        QCOMPARE(items[i].enabled, expected[i].enabled);
        QCOMPARE(items[i].checkable, expected[i].checkable);
        QCOMPARE(menu.actions()[static_cast<qsizetype>(i)]->menuRole(), QAction::NoRole);
    }
}

void MenuTest::itemsActOnTheState() {
    UiFixture f;
    f.launch();
    int opened = 0;
    MenuBarMenu menu(*f.state, [&] { ++opened; });

    actionNamed(menu, QStringLiteral("Включить Windows-режим"))->trigger();
    f.settle();
    QVERIFY(f.state->isModeEnabled());
    QCOMPARE(menu.actions()[1]->text(), QStringLiteral("Выключить Windows-режим"));
    QVERIFY(actionNamed(menu, QStringLiteral("Запускать при входе"))->isChecked());

    f.mac.keyboard.press(56);
    f.mac.keyboard.press(58);  // Shift + Alt
    f.settle();
    QCOMPARE(menu.actions()[0]->text(), QStringLiteral("Русская · Windows"));

    actionNamed(menu, QStringLiteral("Открыть Varnel"))->trigger();
    actionNamed(menu, QStringLiteral("Скрыть окно, оставить работать"))->trigger();
    QCOMPARE(opened, 1);
    QCOMPARE(f.mac.application.calls,
             (std::vector<std::string>{"activate", "closeKeyWindow", "hide"}));
    QVERIFY(f.state->isModeEnabled());

    f.mac.loginItems.nextFailure = "Отказ.";
    actionNamed(menu, QStringLiteral("Запускать при входе"))->trigger();
    f.settle();
    QVERIFY(actionNamed(menu, QStringLiteral("Запускать при входе"))->isChecked());
    QCOMPARE(f.state->bannerMessage(),
             std::optional<std::string>("Не удалось изменить автозапуск: Отказ."));

    actionNamed(menu, QStringLiteral("Выключить Windows-режим"))->trigger();
    f.settle();
    QVERIFY(!f.state->isModeEnabled());
}

void MenuTest::menuBarIconFollowsTheMode() {
    UiFixture f;
    f.launch();
    TrayWindow trayWindow;
    MenuBarMenu menu(*f.state, nullptr);
    MenuBarItem item(*f.state, &menu);
    // The name reaches the system's accessibility: here the tray icon's own window.
    const auto named = [&](const char* symbol, const QString& name) {
        QCOMPARE(item.symbol(), QString::fromLatin1(symbol));
        QCOMPARE(item.accessibleName(), name);
        QCOMPARE(item.trayIcon()->toolTip(), name);
#ifdef Q_OS_MACOS
        QVERIFY(item.trayIcon()->icon().isMask());  // the system recolours it
#else
        QCOMPARE(trayWindow.accessibleName(), name);
#endif
    };
    named("keyboard", QStringLiteral("Varnel выключен"));
    f.state->toggleMode();
    f.settle();
    named("keyboard.badge.ellipsis", QStringLiteral("Varnel включён"));
    // A password field holds the keys: it says so until the field goes.
    f.mac.secureInput.enabled = true;
    f.mac.wait(AppState::systemPollSeconds);
    f.settle();
    named("keyboard.badge.ellipsis", QStringLiteral("Varnel на паузе: macOS защищает ввод пароля"));
    f.mac.secureInput.enabled = false;
    f.mac.wait(AppState::systemPollSeconds);
    f.settle();
    named("keyboard.badge.ellipsis", QStringLiteral("Varnel включён"));
    // The emergency chord turns it back.
    for (std::uint16_t key : {59, 58, 55, 53}) {
        f.mac.keyboard.press(key);
        f.settle();
    }
    named("keyboard", QStringLiteral("Varnel выключен"));
}

void MenuTest::trayIconIsDrawnInThePalettesTextColour() {
#ifdef Q_OS_MACOS
    QSKIP("a Mac draws the menu bar item from a mask, in the bar's own colour");
#endif
    UiFixture f;
    f.launch();
    const QPalette original = QApplication::palette();
    MenuBarMenu menu(*f.state, nullptr);
    MenuBarItem item(*f.state, &menu);
    // A dark panel: the keyboard is drawn light, and follows the next change.
    for (const QPalette& palette : {Theme::darkPalette(), Theme::lightPalette()}) {
        QApplication::setPalette(palette);
        f.settle();
        const QImage icon = item.trayIcon()->icon().pixmap(22).toImage();
        QColor drawn;
        for (int y = 0; y < icon.height() && !drawn.isValid(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                if (icon.pixelColor(x, y).alpha() == 255) {
                    drawn = icon.pixelColor(x, y);
                    break;
                }
            }
        }
        QCOMPARE(drawn.rgb(), palette.color(QPalette::WindowText).rgb());
    }
    QApplication::setPalette(original);
}

void MenuTest::quitStopsTheEngineFirst() {
    UiFixture f;
    f.launch();
    bool handedBack = false;
    int quits = 0;
    MenuBarMenu menu(*f.state, nullptr, [&] {
        ++quits;
        handedBack = f.mac.events.liveTapCount() == 0 && !f.state->engineHoldsModifier();
    });
    f.state->toggleMode();
    f.settle();
    // In the middle of Alt + Tab: Varnel holds Command down.
    f.mac.keyboard.press(58);
    f.mac.keyboard.press(48);
    f.settle();
    QVERIFY(f.state->engineHoldsModifier());
    actionNamed(menu, QStringLiteral("Завершить Varnel"))->trigger();
    QCOMPARE(quits, 1);
    QVERIFY(handedBack);
    // The mode is still wanted: the next launch brings it back.
    QVERIFY(f.mac.settings.boolValue(AppState::modeEnabledKey));
}

}  // namespace varnel
