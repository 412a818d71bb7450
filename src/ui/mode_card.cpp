#include "ui/mode_card.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/icons.h"
#include "ui/push_button.h"
#include "ui/symbol_view.h"
#include "ui/texts.h"
#include "ui/tone_label.h"
#include "ui/widget_style.h"

namespace varnel {

using Theme::TextStyle;
using Theme::Tone;

ModeCard::ModeCard(AppState& state, QWidget* parent)
    : Card(18, /*bordered=*/true, parent), state_(state) {
    setObjectName(QStringLiteral("modeCard"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(18);

    // The symbol before its text, as in every other row of the window.
    auto* status = new QHBoxLayout;
    status->setSpacing(7);
    statusSymbol_ = new SymbolView("power", Tone::primary, 18, this);
    statusSymbol_->setObjectName(QStringLiteral("statusSymbol"));
    statusTitle_ = new ToneLabel({}, TextStyle::headline, QFont::DemiBold, Tone::primary, this);
    statusTitle_->setObjectName(QStringLiteral("statusTitle"));
    status->addWidget(statusSymbol_, 0, Qt::AlignVCenter);
    status->addWidget(statusTitle_, 0, Qt::AlignVCenter);
    status->addStretch(1);
    badge_ = new ToneLabel(Theme::qt(Texts::activeBadge), TextStyle::caption, QFont::Bold,
                           Tone::green, this);
    badge_->setObjectName(QStringLiteral("activeBadge"));
    badge_->setCapsule(true);
    badge_->setAlignment(Qt::AlignCenter);
    badge_->setContentsMargins(10, 5, 10, 5);
    status->addWidget(badge_, 0, Qt::AlignVCenter);
    column->addLayout(status);

    secureInputNotice_ = new QWidget(this);
    secureInputNotice_->setObjectName(QStringLiteral("secureInputNotice"));
    auto* notice = new QHBoxLayout(secureInputNotice_);
    notice->setContentsMargins(0, 0, 0, 0);
    notice->setSpacing(7);
    notice->addWidget(new SymbolView("lock.fill", Tone::orange, 16, secureInputNotice_), 0,
                      Qt::AlignVCenter);
    notice->addWidget(WidgetStyle::label(Theme::qt(Texts::secureInputNotice), TextStyle::callout,
                                         QFont::Medium, secureInputNotice_),
                      1);
    column->addWidget(secureInputNotice_);

    detail_ = WidgetStyle::label({}, TextStyle::callout, QFont::Normal, this);
    detail_->setObjectName(QStringLiteral("detailLabel"));
    WidgetStyle::makeSecondary(detail_);
    column->addWidget(detail_);

    mainButton_ = new PushButton({}, PushButton::Kind::prominent, this);
    mainButton_->setObjectName(QStringLiteral("mainButton"));
    mainButton_->setControlSize(PushButton::Size::large);
    mainButton_->setFont(Theme::font(TextStyle::headline));
    mainButton_->setIconSize(QSize(17, 17));
    mainButton_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(mainButton_, &PushButton::clicked, this, [this] { state_.toggleMode(); });
    column->addWidget(mainButton_);

    hint_ = WidgetStyle::label({}, TextStyle::callout, QFont::Normal, this);
    hint_->setObjectName(QStringLiteral("hintLabel"));
    hint_->setAlignment(Qt::AlignHCenter);
    WidgetStyle::makeSecondary(hint_);
    column->addWidget(hint_);

    refresh();
}

void ModeCard::refresh() {
    const bool on = state_.isModeEnabled();
    const EngineState& engine = state_.engineState();
    const Tone statusTone = on ? Tone::green : Tone::primary;
    statusTitle_->setText(Theme::qt(engine.title()));
    statusTitle_->setTone(statusTone);
    statusSymbol_->setSymbol(engine.symbol(), statusTone);
    badge_->setVisible(on);
    secureInputNotice_->setVisible(state_.showsSecureInputNotice());

    const std::optional<std::string> detail = engine.detail();
    detail_->setVisible(detail.has_value());
    detail_->setText(detail ? WidgetStyle::display(QString::fromStdString(*detail)) : QString());

    const char* symbol = on ? "power" : "wand.and.stars";
    mainButton_->setText(Theme::qt(on ? Texts::modeOnButton : Texts::modeOffButton));
    // White on the tint whatever the appearance.
    mainButton_->setIcon(Icons::icon(symbol, Qt::white, 17));
    mainButton_->setProperty("symbol", symbol);
    mainButton_->setTint(on ? Tone::red : Tone::accent);
    hint_->setText(WidgetStyle::display(on ? Texts::modeOnHint : Texts::modeOffHint));
}

}  // namespace varnel
