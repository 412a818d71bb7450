#include "ui/mode_card.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/icons.h"
#include "ui/texts.h"
#include "ui/widget_style.h"

namespace varnel {

using Theme::TextStyle;

ModeCard::ModeCard(AppState& state, QWidget* parent) : QFrame(parent), state_(state) {
    setObjectName(QStringLiteral("modeCard"));
    QColor border = Theme::primaryText(parent);
    border.setAlphaF(0.12f);
    WidgetStyle::roundedCard(this, 18, Theme::controlBackground(parent), border);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(18);

    auto* status = new QHBoxLayout;
    status->setSpacing(6);
    statusTitle_ = WidgetStyle::label({}, TextStyle::headline, QFont::DemiBold, this);
    statusTitle_->setObjectName(QStringLiteral("statusTitle"));
    statusTitle_->setWordWrap(false);
    statusSymbol_ = new QLabel(this);
    statusSymbol_->setObjectName(QStringLiteral("statusSymbol"));
    status->addWidget(statusTitle_);
    status->addWidget(statusSymbol_);
    status->addStretch(1);
    badge_ =
        WidgetStyle::label(Theme::qt(Texts::activeBadge), TextStyle::caption, QFont::Bold, this);
    badge_->setObjectName(QStringLiteral("activeBadge"));
    badge_->setWordWrap(false);
    QColor capsule = Theme::green();
    capsule.setAlphaF(0.15f);
    badge_->setStyleSheet(QStringLiteral("QLabel { color: %1; background: %2; border-radius: 9px; "
                                         "padding: 5px 10px; }")
                              .arg(Theme::css(Theme::green()), Theme::css(capsule)));
    status->addWidget(badge_);
    column->addLayout(status);

    detail_ = WidgetStyle::label({}, TextStyle::callout, QFont::Normal, this);
    detail_->setObjectName(QStringLiteral("detailLabel"));
    WidgetStyle::setTextColor(detail_, Theme::secondaryText(this));
    column->addWidget(detail_);

    mainButton_ = new QPushButton(this);
    mainButton_->setObjectName(QStringLiteral("mainButton"));
    mainButton_->setFont(Theme::font(TextStyle::headline));
    mainButton_->setIconSize(QSize(16, 16));
    mainButton_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    mainButton_->setCursor(Qt::PointingHandCursor);
    connect(mainButton_, &QPushButton::clicked, this, [this] { state_.toggleMode(); });
    column->addWidget(mainButton_);

    hint_ = WidgetStyle::label({}, TextStyle::callout, QFont::Normal, this);
    hint_->setObjectName(QStringLiteral("hintLabel"));
    hint_->setAlignment(Qt::AlignHCenter);
    WidgetStyle::setTextColor(hint_, Theme::secondaryText(this));
    column->addWidget(hint_);

    refresh();
}

void ModeCard::refresh() {
    const bool on = state_.isModeEnabled();
    const EngineState& engine = state_.engineState();
    const QColor statusColour = on ? Theme::green() : Theme::primaryText(this);
    statusTitle_->setText(Theme::qt(engine.title()));
    WidgetStyle::setTextColor(statusTitle_, statusColour);
    statusSymbol_->setPixmap(Icons::pixmap(engine.symbol(), statusColour, 16));
    statusSymbol_->setProperty("symbol", Theme::qt(engine.symbol()));
    badge_->setVisible(on);

    const std::optional<std::string> detail = engine.detail();
    detail_->setVisible(detail.has_value());
    detail_->setText(detail ? QString::fromStdString(*detail) : QString());

    const char* symbol = on ? "power" : "wand.and.stars";
    const QColor tint = on ? Theme::red() : Theme::blue();
    mainButton_->setText(Theme::qt(on ? Texts::modeOnButton : Texts::modeOffButton));
    mainButton_->setIcon(Icons::icon(symbol, Qt::white, 16));
    mainButton_->setProperty("symbol", symbol);
    mainButton_->setProperty("tint", on ? "red" : "blue");
    mainButton_->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: %1; border: none; "
                       "border-radius: 8px; padding: 12px 16px; }"
                       "QPushButton:hover { background: %2; }"
                       "QPushButton:pressed { background: %3; }")
            .arg(Theme::css(tint), Theme::css(tint.lighter(108)), Theme::css(tint.darker(115))));
    hint_->setText(Theme::qt(on ? Texts::modeOnHint : Texts::modeOffHint));
}

}  // namespace varnel
