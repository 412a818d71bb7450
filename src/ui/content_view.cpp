#include "ui/content_view.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleHints>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/alert.h"
#include "ui/application_rules_panel.h"
#include "ui/collapsible_group.h"
#include "ui/diagnostics_panel.h"
#include "ui/feature_row.h"
#include "ui/icon_tile.h"
#include "ui/mode_card.h"
#include "ui/options_panel.h"
#include "ui/permission_card.h"
#include "ui/push_button.h"
#include "ui/scroll_bar.h"
#include "ui/state_observer.h"
#include "ui/texts.h"
#include "ui/translation.h"
#include "ui/widget_style.h"

namespace varnel {

using Theme::TextStyle;

ContentView::ContentView(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setVerticalScrollBar(new ScrollBar(Qt::Vertical, scroll_));
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll_);

    auto* page = new QWidget(scroll_);
    page->setObjectName(QStringLiteral("page"));
    page->setAutoFillBackground(true);
    page->setBackgroundRole(QPalette::Window);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(20);

    column->addWidget(makeHeader());
    modeCard_ = new ModeCard(state_, page);
    column->addWidget(modeCard_);
    column->addWidget(makePermissionsSection());
    column->addWidget(makeFeaturesSection());

    advancedGroup_ = new CollapsibleGroup(Texts::advancedTitle.tr(), page);
    advancedGroup_->setObjectName(QStringLiteral("advancedSection"));
    optionsPanel_ = new OptionsPanel(state_, advancedGroup_);
    advancedGroup_->contentLayout()->addWidget(optionsPanel_);
    column->addWidget(advancedGroup_);

    rulesGroup_ = new CollapsibleGroup(Texts::applicationRulesTitle.tr(), page);
    rulesGroup_->setObjectName(QStringLiteral("applicationRulesSection"));
    rulesPanel_ = new ApplicationRulesPanel(state_, rulesGroup_);
    rulesGroup_->contentLayout()->addWidget(rulesPanel_);
    column->addWidget(rulesGroup_);

    diagnosticsGroup_ = new CollapsibleGroup(Texts::diagnosticsTitle.tr(), page);
    diagnosticsGroup_->setObjectName(QStringLiteral("diagnosticsSection"));
    diagnosticsPanel_ = new DiagnosticsPanel(state_, diagnosticsGroup_);
    diagnosticsGroup_->contentLayout()->addWidget(diagnosticsPanel_);
    column->addWidget(diagnosticsGroup_);

    auto* footer = WidgetStyle::label(Texts::footer.tr(), TextStyle::caption, QFont::Normal, page);
    footer->setObjectName(QStringLiteral("footer"));
    footer->setAlignment(Qt::AlignHCenter);
    footer->setContentsMargins(8, 0, 8, 0);
    WidgetStyle::makeSecondary(footer);
    column->addWidget(footer);
    column->addStretch(1);
    scroll_->setWidget(page);

    observer_ = new StateObserver(
        state_, [this] { refresh(); }, this);
    refresh();
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    // Every colour is taken from the palette when painted; a new scheme only needs a paint.
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this,
            [this] { update(); });
#endif
}

QWidget* ContentView::makeHeader() {
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(15);
    row->addWidget(new IconTile(header), 0, Qt::AlignVCenter);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(
        WidgetStyle::label(Theme::qt(Texts::appName), TextStyle::title2, QFont::DemiBold, header));
    auto* subtitle =
        WidgetStyle::label(Texts::subtitle.tr(), TextStyle::body, QFont::Normal, header);
    subtitle->setObjectName(QStringLiteral("subtitle"));
    WidgetStyle::makeSecondary(subtitle);
    texts->addWidget(subtitle);
    row->addLayout(texts, 1);
    return header;
}

QWidget* ContentView::makePermissionsSection() {
    permissionsSection_ = new QWidget(this);
    permissionsSection_->setObjectName(QStringLiteral("permissionsSection"));
    auto* column = new QVBoxLayout(permissionsSection_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    column->addWidget(WidgetStyle::label(Texts::permissionsTitle.tr(), TextStyle::headline,
                                         QFont::DemiBold, permissionsSection_));
    accessibilityCard_ = new PermissionCard(
        Texts::accessibilityTitle.tr(), Texts::accessibilitySubtitle.tr(),
        state_.permissions().accessibility, Texts::openSettings.tr(),
        [this] { state_.openAccessibilitySettings(); }, permissionsSection_);
    accessibilityCard_->setObjectName(QStringLiteral("accessibilityCard"));
    inputMonitoringCard_ = new PermissionCard(
        Texts::inputMonitoringTitle.tr(), Texts::inputMonitoringSubtitle.tr(),
        state_.permissions().inputMonitoring, Texts::openSettings.tr(),
        [this] { state_.openInputMonitoringSettings(); }, permissionsSection_);
    inputMonitoringCard_->setObjectName(QStringLiteral("inputMonitoringCard"));
    column->addWidget(accessibilityCard_);
    column->addWidget(inputMonitoringCard_);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    auto* request = new PushButton(Texts::requestPermissions.tr(), PushButton::Kind::prominent,
                                   permissionsSection_);
    request->setObjectName(QStringLiteral("requestPermissions"));
    connect(request, &PushButton::clicked, this, [this] { state_.requestPermissions(); });
    auto* check =
        new PushButton(Texts::checkAgain.tr(), PushButton::Kind::bordered, permissionsSection_);
    check->setObjectName(QStringLiteral("checkAgain"));
    connect(check, &PushButton::clicked, this, [this] { state_.refreshPermissions(); });
    buttons->addWidget(request);
    buttons->addWidget(check);
    buttons->addStretch(1);
    column->addLayout(buttons);
    return permissionsSection_;
}

QWidget* ContentView::makeFeaturesSection() {
    auto* section = new QWidget(this);
    auto* column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    column->addWidget(WidgetStyle::label(Texts::featuresTitle.tr(), TextStyle::headline,
                                         QFont::DemiBold, section));
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    for (std::size_t i = 0; i < Texts::features.size(); ++i) {
        const auto& feature = Texts::features[i];
        // Off, a tile names the group whose switch turned it off.
        const bool ruleSwitch = std::any_of(
            Texts::applicationRuleSwitches.begin(), Texts::applicationRuleSwitches.end(),
            [&feature](const auto& rule) { return rule.field == feature.option; });
        auto* tile = new FeatureRow(
            feature.before.tr(), feature.after.tr(),
            (ruleSwitch ? Texts::featureOffInRules : Texts::featureOff).tr(), section);
        grid->addWidget(tile, static_cast<int>(i / 2), static_cast<int>(i % 2));
        bool KeyboardOptions::*option = nullptr;
        for (const auto& field : KeyboardOptions::fields) {
            if (field.name == feature.option) {
                option = field.member;
            }
        }
        tiles_.push_back({tile, option});
    }
    column->addLayout(grid);
    return section;
}

void ContentView::refreshNow() {
    observer_->flush();
}

void ContentView::refresh() {
    modeCard_->refresh();
    const PermissionStatus& permissions = state_.permissions();
    permissionsSection_->setVisible(!permissions.allGranted());
    accessibilityCard_->setGranted(permissions.accessibility);
    inputMonitoringCard_->setGranted(permissions.inputMonitoring);
    for (const Tile& tile : tiles_) {
        tile.row->setOn(!tile.option || state_.options().*tile.option);
    }
    optionsPanel_->refresh();
    rulesPanel_->refresh();
    diagnosticsPanel_->refresh();
    presentBannerIfAny();
}

void ContentView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    state_.refreshPermissions();
    refreshNow();
}

// Back from System Settings, a click on the window reads the permissions again: a start that
// waited for them goes ahead.
void ContentView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        state_.refreshPermissions();
    }
}

void ContentView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A banner that arrives while the window is away waits in AppState for the next showing.
    if (alert_) {
        alert_->hide();
    }
    // Closed or hidden, not minimised (the system's own hide is spontaneous): the window
    // comes back as a freshly opened one.
    if (!event->spontaneous()) {
        resetToFresh();
    }
}

void ContentView::resetToFresh() {
    advancedGroup_->setExpanded(false);
    rulesGroup_->setExpanded(false);
    diagnosticsGroup_->setExpanded(false);
    scroll_->verticalScrollBar()->setValue(0);
}

void ContentView::presentBannerIfAny() {
    const std::optional<std::string>& banner = state_.bannerMessage();
    if (!banner) {
        if (alert_ && alert_->isVisible()) {
            alert_->hide();
        }
        return;
    }
    if (!isVisible()) {
        return;
    }
    if (!alert_) {
        alert_ = new Alert(window());
        alert_->setObjectName(QStringLiteral("bannerAlert"));
        alert_->addButton(Texts::alertButton.tr(), QMessageBox::AcceptRole);
        // "Хорошо", Escape or the close button: every dismissal clears the banner.
        connect(alert_, &QMessageBox::finished, this, [this] {
            if (isVisible()) {
                state_.setBannerMessage(std::nullopt);
            }
        });
    }
    alert_->setMessage(Translation::message(*banner));
    if (!alert_->isVisible()) {
        alert_->open();
    }
}

}  // namespace varnel
