#include <QAction>
#include <QSystemTrayIcon>
#include <QTest>

#include "ui/menu_bar_item.h"
#include "ui/menu_bar_menu.h"
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
    MenuBarMenu menu(*f.state, nullptr);
    MenuBarItem item(*f.state, &menu);
    QCOMPARE(item.symbol(), QStringLiteral("keyboard"));
    QCOMPARE(item.accessibleName(), QStringLiteral("Varnel выключен"));
    QVERIFY(item.trayIcon()->icon().isMask());
    f.state->toggleMode();
    f.settle();
    QCOMPARE(item.symbol(), QStringLiteral("keyboard.badge.ellipsis"));
    QCOMPARE(item.accessibleName(), QStringLiteral("Varnel включён"));
    // The emergency chord turns it back.
    for (std::uint16_t key : {59, 58, 55, 53}) {
        f.mac.keyboard.press(key);
        f.settle();
    }
    QCOMPARE(item.symbol(), QStringLiteral("keyboard"));
    QCOMPARE(item.accessibleName(), QStringLiteral("Varnel выключен"));
}

}  // namespace varnel
