#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "ui/collapsible_group.h"
#include "ui/content_view.h"
#include "ui/feature_row.h"
#include "ui/permission_card.h"
#include "ui/theme.h"
#include "ui_fixture.h"
#include "ui_tests.h"

namespace varnel {

namespace {

template <class T = QWidget>
T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        qFatal("no child named %s", name);
    }
    return found;
}

QString text(QLabel* label) {
    return label->text();
}

}  // namespace

void ContentViewTest::permissionsSectionComesAndGoesWithThePermissions() {
    UiFixture f;
    f.mac.permissions.inputMonitoring = false;
    f.launch();
    ContentView view(*f.state);
    view.show();
    f.settle();
    QVERIFY(child(view, "permissionsSection")->isVisible());
    auto* accessibility = child<PermissionCard>(view, "accessibilityCard");
    auto* inputMonitoring = child<PermissionCard>(view, "inputMonitoringCard");
    QVERIFY(child(*accessibility, "grantedLabel")->isVisible());
    QCOMPARE(child<QLabel>(*accessibility, "grantedLabel")->text(), QStringLiteral("Разрешено"));
    QVERIFY(!child(*accessibility, "actionButton")->isVisible());
    auto* open = child<QPushButton>(*inputMonitoring, "actionButton");
    QVERIFY(open->isVisible());
    QCOMPARE(open->text(), QStringLiteral("Открыть настройки"));
    QVERIFY(!child(*inputMonitoring, "grantedLabel")->isVisible());

    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(f.mac.permissions.urlsOpened.back(),
             std::string("x-apple.systempreferences:com.apple.preference.security?"
                         "Privacy_ListenEvent"));

    QTest::mouseClick(child<QPushButton>(view, "requestPermissions"), Qt::LeftButton);
    QCOMPARE(f.mac.permissions.inputMonitoringRequests, 1);

    f.mac.permissions.inputMonitoring = true;
    QTest::mouseClick(child<QPushButton>(view, "checkAgain"), Qt::LeftButton);
    f.settle();
    QVERIFY(!child(view, "permissionsSection")->isVisible());
}

void ContentViewTest::showingTheWindowReadsThePermissionsAgain() {
    UiFixture f;
    f.launch();
    ContentView view(*f.state);
    f.mac.permissions.accessibility = false;  // revoked while nothing looked
    view.show();
    f.settle();
    QVERIFY(child(view, "permissionsSection")->isVisible());
}

void ContentViewTest::modeCardFollowsTheMode() {
    UiFixture f;
    f.launch();
    ContentView view(*f.state);
    view.show();
    f.settle();
    auto* button = child<QPushButton>(view, "mainButton");
    auto* badge = child(view, "activeBadge");
    auto* title = child<QLabel>(view, "statusTitle");
    auto* hint = child<QLabel>(view, "hintLabel");
    auto* detail = child(view, "detailLabel");

    struct Look {
        const char* title;
        const char* symbol;
        const char* buttonText;
        const char* buttonSymbol;
        const char* tint;
        bool badge;
        const char* hint;
    };
    const Look off{"Выключено",
                   "power",
                   "Сделать клавиатуру как в Windows",
                   "wand.and.stars",
                   "blue",
                   false,
                   "Нажмите один раз. Никакие сочетания вручную создавать не нужно."};
    const Look on{"Windows-режим работает",
                  "checkmark.circle.fill",
                  "Выключить и вернуть управление macOS",
                  "power",
                  "red",
                  true,
                  "Все изменения применены. Красную кнопку и Command + Q можно нажимать: окно "
                  "закроется, а Varnel продолжит работать в фоне."};
    const Look* looks[] = {&off, &on, &off};
    for (std::size_t i = 0; i < std::size(looks); ++i) {
        const Look* look = looks[i];
        if (i > 0) {
            QTest::mouseClick(button, Qt::LeftButton);
            f.state->setBannerMessage(std::nullopt);
            f.settle();
        }
        QCOMPARE(title->text(), QString::fromUtf8(look->title));
        QCOMPARE(child(view, "statusSymbol")->property("symbol").toString(),
                 QString::fromUtf8(look->symbol));
        QCOMPARE(title->palette().color(QPalette::WindowText),
                 look->badge ? Theme::green() : Theme::primaryText(&view));
        QCOMPARE(button->text(), QString::fromUtf8(look->buttonText));
        QCOMPARE(button->property("symbol").toString(), QString::fromUtf8(look->buttonSymbol));
        QCOMPARE(button->property("tint").toString(), QString::fromUtf8(look->tint));
        QCOMPARE(badge->isVisible(), look->badge);
        QCOMPARE(hint->text(), QString::fromUtf8(look->hint));
        QVERIFY(!detail->isVisible());
    }

    // A failed start shows its message on the detail line.
    f.mac.events.failRunLoopSourceCreation = true;
    QTest::mouseClick(button, Qt::LeftButton);
    f.settle();
    QVERIFY(detail->isVisible());
    QCOMPARE(text(child<QLabel>(view, "detailLabel")),
             QStringLiteral("Не удалось подключить обработчик к системному циклу событий."));
}

void ContentViewTest::featureSwitchesWriteTheirField() {
    UiFixture f;
    f.launch();
    ContentView view(*f.state);
    view.show();
    f.settle();
    for (const auto& field : KeyboardOptions::fields) {
        auto* box = child<QCheckBox>(view, ("option." + std::string(field.name)).c_str());
        QVERIFY(box->isChecked());
        box->click();
        f.settle();
        QVERIFY(!(f.state->options().*field.member));
        QVERIFY(!box->isChecked());
        const auto stored = KeyboardOptions::decode(*f.mac.settings.data(AppState::optionsKey));
        QVERIFY(!(stored.value().*field.member));
    }
}

void ContentViewTest::launchAtLoginSwitchReportsFailures() {
    UiFixture f;
    f.launch();
    ContentView view(*f.state);
    view.show();
    f.settle();
    auto* box = child<QCheckBox>(view, "launchAtLogin");
    f.mac.loginItems.nextFailure = "Нет доступа.";
    box->click();
    f.settle();
    QVERIFY(!box->isChecked());  // the real status, not the wish
    QCOMPARE(f.state->bannerMessage(),
             std::optional<std::string>("Не удалось изменить автозапуск: Нет доступа."));
    f.state->setBannerMessage(std::nullopt);
    box->click();
    f.settle();
    QVERIFY(box->isChecked());
    QVERIFY(f.state->launchAtLogin());
}

void ContentViewTest::alertShowsTheBannerAndOkClearsIt() {
    UiFixture f;
    f.launch();
    ContentView view(*f.state);
    view.show();
    f.settle();
    QVERIFY(!view.alert() || !view.alert()->isVisible());
    f.state->setBannerMessage("Привет <b>мир</b>");
    f.settle();
    QMessageBox* alert = view.alert();
    QVERIFY(alert && alert->isVisible());
    QCOMPARE(alert->windowTitle(), QStringLiteral("Varnel"));
    QCOMPARE(alert->text(), QStringLiteral("Привет <b>мир</b>"));
    QCOMPARE(alert->textFormat(), Qt::PlainText);
    QCOMPARE(alert->buttons().size(), 1);
    QCOMPARE(alert->buttons()[0]->text(), QStringLiteral("Хорошо"));
    QTest::mouseClick(alert->buttons()[0], Qt::LeftButton);
    f.settle();
    QVERIFY(!f.state->bannerMessage());
    QVERIFY(!alert->isVisible());

    // Set while the window is away: shown when it comes back.
    view.hide();
    f.state->setBannerMessage("Позже");
    f.settle();
    QVERIFY(!alert->isVisible());
    view.show();
    f.settle();
    QVERIFY(alert->isVisible());
    QCOMPARE(alert->text(), QStringLiteral("Позже"));
}

void ContentViewTest::featureGridAndGroups() {
    UiFixture f;
    f.launch();
    ContentView view(*f.state);
    view.resize(720, 740);
    view.show();
    f.settle();
    const auto tiles = view.findChildren<FeatureRow*>();
    QCOMPARE(tiles.size(), 15);
    for (qsizetype i = 0; i + 1 < tiles.size(); i += 2) {
        QCOMPARE(tiles[i]->height(), tiles[i + 1]->height());
        QCOMPARE(tiles[i]->width(), tiles[i + 1]->width());
        QCOMPARE(tiles[i]->y(), tiles[i + 1]->y());
        QVERIFY(tiles[i]->height() >= FeatureRow::minimumTileHeight);
    }
    QCOMPARE(tiles[14]->x(), tiles[0]->x());
    for (auto* group : view.findChildren<CollapsibleGroup*>()) {
        QVERIFY(!group->isExpanded());
    }
    QCOMPARE(child<QLabel>(view, "diag.processed")->text(), QStringLiteral("0"));
    QVERIFY(child<QLabel>(view, "diag.lastKey")->textInteractionFlags() &
            Qt::TextSelectableByMouse);
}

}  // namespace varnel
