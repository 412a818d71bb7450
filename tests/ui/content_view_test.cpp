#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "ui/alert.h"
#include "ui/collapsible_group.h"
#include "ui/content_view.h"
#include "ui/feature_row.h"
#include "ui/permission_card.h"
#include "ui/push_button.h"
#include "ui/symbol_view.h"
#include "ui/texts.h"
#include "ui/theme.h"
#include "ui/tone_label.h"
#include "ui/widget_style.h"
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

// The colour a plain label draws its text in.
QColor foreground(const QWidget* widget) {
    return widget->palette().color(widget->foregroundRole());
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
    auto* button = child<PushButton>(view, "mainButton");
    auto* badge = child(view, "activeBadge");
    auto* title = child<ToneLabel>(view, "statusTitle");
    auto* symbol = child<SymbolView>(view, "statusSymbol");
    auto* hint = child<QLabel>(view, "hintLabel");
    auto* detail = child(view, "detailLabel");
    // The symbol stands before its text, as in every other row.
    QVERIFY(symbol->geometry().right() < title->geometry().left());

    using Theme::Tone;
    struct Look {
        const char* title;
        const char* symbol;
        Tone status;
        const char* buttonText;
        const char* buttonSymbol;
        Tone tint;
        bool badge;
        const char* hint;
    };
    const Look off{"Выключено",
                   "power",
                   Tone::primary,
                   "Сделать клавиатуру как в Windows",
                   "wand.and.stars",
                   Tone::accent,
                   false,
                   "Нажмите один раз. Никакие сочетания вручную создавать не нужно."};
    // "Command + Q" never breaks across lines.
    const Look on{"Windows-режим работает",
                  "checkmark.circle.fill",
                  Tone::green,
                  "Выключить и вернуть управление macOS",
                  "power",
                  Tone::red,
                  true,
                  "Все изменения применены. Окно можно закрыть или скрыть сочетанием "
                  "Command\u00a0+\u00a0Q: Varnel продолжит работать в строке меню."};
    const Look* looks[] = {&off, &on, &off};
    for (std::size_t i = 0; i < std::size(looks); ++i) {
        const Look* look = looks[i];
        if (i > 0) {
            QTest::mouseClick(button, Qt::LeftButton);
            f.settle();
        }
        QCOMPARE(title->text(), QString::fromUtf8(look->title));
        QCOMPARE(symbol->symbol(), QString::fromUtf8(look->symbol));
        QCOMPARE(title->tone(), look->status);
        QCOMPARE(symbol->tone(), look->status);
        QCOMPARE(button->text(), QString::fromUtf8(look->buttonText));
        QCOMPARE(button->property("symbol").toString(), QString::fromUtf8(look->buttonSymbol));
        QCOMPARE(button->tint(), look->tint);
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
        const bool initially = KeyboardOptions::windowsDefaults.*field.member;
        QCOMPARE(box->isChecked(), initially);
        box->click();
        f.settle();
        QCOMPARE(f.state->options().*field.member, !initially);
        QCOMPARE(box->isChecked(), !initially);
        const auto stored = KeyboardOptions::decode(*f.mac.settings.data(AppState::optionsKey));
        QCOMPARE(stored.value().*field.member, !initially);
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
    Alert* alert = view.alert();
    QVERIFY(alert && alert->isVisible());
    // A Mac shows no window title: the name stands in the bold text, the message below it.
    QCOMPARE(alert->windowTitle(), QStringLiteral("Varnel"));
    QCOMPARE(alert->text(), QStringLiteral("Varnel"));
    QCOMPARE(alert->informativeText(), QStringLiteral("Привет <b>мир</b>"));
    auto* message = alert->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    QVERIFY(message);
    QCOMPARE(message->textFormat(), Qt::PlainText);
    QVERIFY(!alert->iconPixmap().isNull());
    QCOMPARE(alert->buttons().size(), 1);
    QCOMPARE(alert->buttons()[0]->text(), QStringLiteral("Хорошо"));
    QTest::mouseClick(alert->buttons()[0], Qt::LeftButton);
    f.settle();
    QVERIFY(!f.state->bannerMessage());
    QVERIFY(!alert->isVisible());

    // Set while the window is away: shown when it comes back. The emergency chord stays on one
    // line; the published text keeps its plain spaces.
    const std::string emergency =
        "Windows-режим аварийно отключён сочетанием Ctrl + Alt + Windows + Esc.";
    view.hide();
    f.state->setBannerMessage(emergency);
    f.settle();
    QVERIFY(!alert->isVisible());
    view.show();
    f.settle();
    QVERIFY(alert->isVisible());
    QCOMPARE(alert->informativeText(),
             QStringLiteral("Windows-режим аварийно отключён сочетанием "
                            "Ctrl\u00a0+\u00a0Alt\u00a0+\u00a0Windows\u00a0+\u00a0Esc."));
    QCOMPARE(f.state->bannerMessage(), std::optional<std::string>(emergency));
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

    // The scroll bar is there only while the content is taller than the window.
    QScrollBar* bar = view.findChild<QScrollArea*>()->verticalScrollBar();
    QVERIFY(bar->isVisible());
    view.resize(720, 3000);
    f.settle();
    QVERIFY(!bar->isVisible());
}

void ContentViewTest::readableAndOfOneLook() {
    UiFixture f;
    f.mac.permissions.accessibility = false;
    f.launch();
    ContentView view(*f.state);
    view.show();
    for (auto* group : view.findChildren<CollapsibleGroup*>()) {
        group->setExpanded(true);
    }
    f.settle();
    // Nothing smaller than 11 pixels.
    for (const QWidget* widget : view.findChildren<QWidget*>()) {
        if (widget->isVisible()) {
            QVERIFY2(QFontInfo(widget->font()).pixelSize() >= 11,
                     qPrintable(widget->objectName() + " " + widget->metaObject()->className()));
        }
    }
    // Every button of the window drawn the one way: the main button, the permission buttons,
    // those under the (empty) list of applications left alone, export and import.
    const auto buttons = view.findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 9);
    for (QPushButton* button : buttons) {
        QVERIFY2(qobject_cast<PushButton*>(button), qPrintable(button->text()));
    }
    QCOMPARE(child<PushButton>(view, "requestPermissions")->kind(), PushButton::Kind::prominent);
    QCOMPARE(child<PushButton>(view, "checkAgain")->kind(), PushButton::Kind::bordered);
}

void ContentViewTest::paletteChangeRecoloursEverything() {
    UiFixture f;
    f.mac.permissions.inputMonitoring = false;
    f.launch();
    const QPalette original = QApplication::palette();
    QApplication::setPalette(Theme::lightPalette());
    ContentView view(*f.state);
    view.resize(720, 740);
    view.show();
    f.settle();
    view.grab();  // painted once in light

    // The system turns dark, as a Mac does at dusk.
    const QPalette dark = Theme::darkPalette();
    QApplication::setPalette(dark);
    f.settle();
    const Theme::Colors colors = Theme::colors(dark);
    const QImage picture = view.grab().toImage();
    const auto pixelOf = [&](const QWidget* widget, QPoint at) {
        return picture.pixelColor(widget->mapTo(&view, at));
    };
    // Cards and the page, read back from what was drawn.
    auto* tile = view.findChildren<FeatureRow*>().front();
    QCOMPARE(pixelOf(tile, QPoint(tile->width() - 4, tile->height() / 2)), colors.card);
    auto* card = child<PermissionCard>(view, "inputMonitoringCard");
    QCOMPARE(pixelOf(card, QPoint(card->width() / 2, 2)), colors.card);
    QCOMPARE(pixelOf(card, QPoint(card->width() / 2, -4)), colors.window);
    // Texts, as the widgets hold them now.
    for (const char* name : {"subtitle", "hintLabel", "footer"}) {
        QCOMPARE(foreground(child(view, name)), colors.secondaryText);
    }
    QCOMPARE(child<ToneLabel>(view, "statusTitle")->textColor(), colors.text);
    QCOMPARE(child<ToneLabel>(*child(view, "accessibilityCard"), "grantedLabel")->textColor(),
             Theme::textColor(dark, Theme::Tone::green));
    QCOMPARE(child<PushButton>(view, "mainButton")->fillColor(),
             Theme::buttonFill(dark, Theme::Tone::accent));
    QCOMPARE(child<PushButton>(*card, "actionButton")->textColor(),
             dark.color(QPalette::ButtonText));
    QApplication::setPalette(original);
}

void ContentViewTest::secureInputPausesTheCard() {
    UiFixture f;
    f.launch();
    ContentView view(*f.state);
    view.show();
    f.settle();
    QWidget* notice = child(view, "secureInputNotice");
    auto* secure = child<ToneLabel>(view, "diag.secureInput");
    auto* title = child<ToneLabel>(view, "statusTitle");
    auto* symbol = child<SymbolView>(view, "statusSymbol");
    auto* badge = child<ToneLabel>(view, "activeBadge");
    using Theme::Tone;
    // The card never says the remapping works while it does not.
    const auto looks = [&](const char* titleText, const char* symbolName, Tone tone,
                           const char* badgeText) {
        QCOMPARE(title->text(), QString::fromUtf8(titleText));
        QCOMPARE(title->tone(), tone);
        QCOMPARE(symbol->symbol(), QString::fromUtf8(symbolName));
        QCOMPARE(symbol->tone(), tone);
        QVERIFY(badge->isVisible());
        QCOMPARE(badge->text(), QString::fromUtf8(badgeText));
        QCOMPARE(badge->tone(), tone);
    };
    QVERIFY(!notice->isVisible());
    QCOMPARE(secure->text(), QStringLiteral("Не проверяется"));
    f.mac.secureInput.enabled = true;
    f.state->toggleMode();  // read as the mode starts
    f.settle();
    QVERIFY(notice->isVisible());
    looks("Windows-режим на паузе", "pause.circle.fill", Tone::orange, "ПАУЗА");
    QVERIFY(!child(view, "modeNotice")->isVisible());
    QCOMPARE(secure->text(), QStringLiteral("Включён: переназначение на паузе"));
    f.mac.secureInput.enabled = false;
    f.mac.wait(AppState::systemPollSeconds);
    f.settle();
    QVERIFY(!notice->isVisible());
    looks("Windows-режим работает", "checkmark.circle.fill", Tone::green, "АКТИВНО");
    QVERIFY(child(view, "modeNotice")->isVisible());
    QCOMPARE(secure->text(), QStringLiteral("Выключен"));
    // With its switch off the notice stays away; the diagnostics still tell.
    KeyboardOptions options = f.state->options();
    options.secureInputNotice = false;
    f.state->setOptions(options);
    f.mac.secureInput.enabled = true;
    f.mac.wait(AppState::systemPollSeconds);
    f.settle();
    QVERIFY(!notice->isVisible());
    QCOMPARE(secure->text(), QStringLiteral("Включён: переназначение на паузе"));
    options.secureInputNotice = true;
    f.state->setOptions(options);
    f.settle();
    QVERIFY(notice->isVisible());
    // Off with the mode, whatever was read last.
    f.mac.secureInput.enabled = true;
    f.mac.wait(AppState::systemPollSeconds);
    f.state->toggleMode();
    f.settle();
    QVERIFY(!notice->isVisible());
}

void ContentViewTest::successIsToldInTheCardWithoutAnAlert() {
    UiFixture f;
    f.mac.permissions.inputMonitoring = false;
    f.launch();
    ContentView view(*f.state);
    view.show();
    f.settle();
    QWidget* notice = child(view, "modeNotice");
    auto* text = child<QLabel>(view, "modeNoticeText");
    const auto alertShown = [&] { return view.alert() && view.alert()->isVisible(); };

    // Refused for a permission: that alert stays, as the user must act on it.
    f.state->toggleMode();
    f.settle();
    QVERIFY(alertShown());
    QVERIFY(!notice->isVisible());
    // Granted, and back in the window: the start goes ahead, and the alert that asked has
    // nothing left to say.
    f.mac.permissions.inputMonitoring = true;
    QTest::mouseClick(child<QPushButton>(view, "checkAgain"), Qt::LeftButton);
    f.settle();
    QVERIFY(f.state->isModeEnabled());
    QVERIFY(!alertShown());
    QVERIFY(notice->isVisible());
    QCOMPARE(text->text(),
             QStringLiteral("Готово. Теперь Varnel сам печатает все буквы, цифры и знаки как "
                            "Windows. Shift\u00a0+\u00a0Alt срабатывает сразу при нажатии второй "
                            "клавиши."));
    QCOMPARE(notice->findChild<SymbolView*>()->tone(), Theme::Tone::green);
    // Only what is true: a switch turned off takes its sentence with it.
    KeyboardOptions options = f.state->options();
    options.fullWindowsTyping = false;
    options.altShiftChangesLanguage = false;
    f.state->setOptions(options);
    f.settle();
    QCOMPARE(text->text(), QStringLiteral("Готово."));
    f.state->toggleMode();
    f.settle();
    QVERIFY(!notice->isVisible());
    QVERIFY(!alertShown());

    // The system's layout could not follow Russian: said in the card too, as a warning.
    UiFixture russian;
    russian.mac.inputSources.remove("com.apple.keylayout.RussianWin");
    russian.mac.settings.setString(AppState::typingLanguageKey, "russian");
    russian.launch();
    ContentView warned(*russian.state);
    warned.show();
    russian.state->toggleMode();
    russian.settle();
    QVERIFY(!warned.alert() || !warned.alert()->isVisible());
    QVERIFY(child(warned, "modeNotice")->isVisible());
    QVERIFY(child<QLabel>(warned, "modeNoticeText")
                ->text()
                .startsWith(QStringLiteral("Windows-режим включён полностью. Системная раскладка "
                                           "macOS не переключилась")));
    QCOMPARE(child(warned, "modeNotice")->findChild<SymbolView*>()->tone(), Theme::Tone::orange);
}

void ContentViewTest::tilesFollowTheirSwitches() {
    UiFixture f;
    f.launch();
    ContentView view(*f.state);
    view.show();
    f.settle();
    const auto tiles = view.findChildren<FeatureRow*>();
    QCOMPARE(tiles.size(), qsizetype(Texts::features.size()));
    const auto captionOf = [](FeatureRow* tile) {
        return tile->findChild<QLabel*>(QStringLiteral("featureCaption"))->text();
    };
    for (const auto& field : KeyboardOptions::fields) {
        KeyboardOptions options = KeyboardOptions::windowsDefaults;
        options.*field.member = false;
        f.state->setOptions(options);
        f.settle();
        for (std::size_t i = 0; i < Texts::features.size(); ++i) {
            FeatureRow* tile = tiles[static_cast<qsizetype>(i)];
            const bool off = Texts::features[i].option == field.name;
            QCOMPARE(tile->isOn(), !off);
            QCOMPARE(child<SymbolView>(*tile, "featureCheck")->symbol(),
                     off ? QStringLiteral("circle") : QStringLiteral("checkmark.circle.fill"));
            const bool inRules = Texts::features[i].option == "windowsKeyShortcuts";
            QCOMPARE(captionOf(tile),
                     !off ? WidgetStyle::display(Texts::features[i].after.tr())
                     : inRules ? QStringLiteral("Выключено в правилах для приложений")
                               : QStringLiteral("Выключено в дополнительных настройках"));
        }
    }
    // What the mode always does has no switch; every other tile names one that exists.
    for (const auto& feature : Texts::features) {
        const bool known =
            std::any_of(KeyboardOptions::fields.begin(), KeyboardOptions::fields.end(),
                        [&feature](const auto& field) { return field.name == feature.option; });
        QVERIFY2(feature.option.empty() || known, feature.option.data());
    }
}

void ContentViewTest::applicationsLeftAloneAreListedAndEdited() {
    UiFixture f;
    // Installed before the first start: the list begins with it.
    f.mac.workspace.install("com.parallels.desktop.console", "Parallels Desktop");
    f.launch();
    ContentView view(*f.state);
    view.show();
    child<CollapsibleGroup>(view, "advancedSection")->setExpanded(true);
    f.settle();
    auto* add = child<PushButton>(view, "addPreviousApplication");
    auto* restore = child<PushButton>(view, "restoreSuggestions");
    const auto rows = [&] {
        QStringList names;
        for (QWidget* row : child(view, "exclusionsList")->findChildren<QWidget*>()) {
            if (row->objectName().startsWith(QStringLiteral("exclusion:"))) {
                names << row->objectName().mid(10);
            }
        }
        return names;
    };
    // With Parallels, the windows it shows Windows applications in, by their prefix.
    const QString parallels = QStringLiteral("com.parallels.desktop.console");
    const QString coherence = QStringLiteral("com.parallels.winapp.");
    QCOMPARE(rows(), (QStringList{parallels, coherence}));
    QStringList coherenceTexts;
    for (QLabel* label : child(view, "exclusion:com.parallels.winapp.")->findChildren<QLabel*>()) {
        coherenceTexts << label->text();
    }
    QVERIFY(coherenceTexts.contains(QStringLiteral("Окна приложений Windows из Parallels")));
    QVERIFY(coherenceTexts.contains(QStringLiteral("com.parallels.winapp.*")));
    QVERIFY(!restore->isEnabled());

    // Safari was in front before Varnel's window: it is what "add" offers.
    f.mac.workspace.activate("com.apple.Safari");
    f.mac.workspace.activate(std::string(SimWorkspace::varnelIdentifier));
    f.settle();
    QCOMPARE(add->text(), QStringLiteral("Добавить «Safari»"));
    add->click();
    f.settle();
    const QString safari = QStringLiteral("com.apple.Safari");
    QCOMPARE(rows(), (QStringList{parallels, coherence, safari}));
    QVERIFY(!add->isEnabled());  // already on the list

    // A Windows application's window of Parallels, in front before Varnel: already left alone.
    f.mac.workspace.activate("com.parallels.winapp.3f2a9c1e.b9dc48ef");
    f.mac.workspace.activate(std::string(SimWorkspace::varnelIdentifier));
    f.settle();
    QVERIFY(!add->isEnabled());

    child<PushButton>(*child(view, "exclusion:com.parallels.desktop.console"), "removeExclusion")
        ->click();
    f.settle();
    QCOMPARE(rows(), (QStringList{coherence, safari}));
    QVERIFY(restore->isEnabled());  // Parallels is installed and no longer listed
    restore->click();
    f.settle();
    QCOMPARE(rows(), (QStringList{coherence, safari, parallels}));
    for (const QString& entry : rows()) {
        f.state->removeExcludedApplication(entry.toStdString());
    }
    f.settle();
    QVERIFY(child(view, "exclusionsEmpty")->isVisible());
}

// The diagnostics name the profile in force and, where it depends on the focus, where the focus
// is; the rules group says what each switch covers.
void ContentViewTest::profileInForceIsShownWithItsFocus() {
    UiFixture f;
    f.launch();
    ContentView view(*f.state);
    view.show();
    f.settle();
    auto* profile = child<QLabel>(view, "diag.profile");
    QCOMPARE(profile->text(), QStringLiteral("Общие правила"));  // TextEdit
    QCOMPARE(child<QLabel>(view, "covers.terminalProfile")->text(),
             QStringLiteral("Терминал, iTerm2, Warp, kitty, Alacritty, Ghostty, WezTerm, Hyper"));

    f.mac.workspace.activate("com.apple.Terminal");
    f.settle();
    QCOMPARE(profile->text(), QStringLiteral("Терминал"));

    // Finder's rules differ in and out of a text field: while the mode is on, its focus is read.
    f.mac.workspace.activate("com.apple.finder");
    f.settle();
    QCOMPARE(profile->text(), QStringLiteral("Finder"));
    f.state->toggleMode();
    f.mac.focus.set(KeyboardFocus::Kind::other);
    f.settle();
    QCOMPARE(profile->text(), QStringLiteral("Finder · вне текстового поля"));
    f.mac.focus.set(KeyboardFocus::Kind::textEntry);
    f.settle();
    QCOMPARE(profile->text(), QStringLiteral("Finder · в текстовом поле"));

    child<QCheckBox>(view, "option.finderProfile")->click();
    f.settle();
    QCOMPARE(profile->text(), QStringLiteral("Общие правила"));
    QVERIFY(!f.mac.focus.isFollowed());  // nothing depends on it any more
}

}  // namespace varnel
