#include "ui/mode_card.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/icons.h"
#include "ui/push_button.h"
#include "ui/symbol_view.h"
#include "ui/texts.h"
#include "ui/tone_label.h"
#include "ui/translation.h"
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
    badge_ =
        new ToneLabel(Texts::activeBadge.tr(), TextStyle::caption, QFont::Bold, Tone::green, this);
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
    notice->addWidget(WidgetStyle::label(Texts::secureInputNotice.tr(), TextStyle::callout,
                                         QFont::Medium, secureInputNotice_),
                      1);
    column->addWidget(secureInputNotice_);

    // What the last start did, while the mode stays on: said here rather than in an alert.
    modeNotice_ = new QWidget(this);
    modeNotice_->setObjectName(QStringLiteral("modeNotice"));
    auto* told = new QHBoxLayout(modeNotice_);
    told->setContentsMargins(0, 0, 0, 0);
    told->setSpacing(7);
    noticeSymbol_ = new SymbolView("checkmark.circle.fill", Tone::green, 16, modeNotice_);
    told->addWidget(noticeSymbol_, 0, Qt::AlignTop);
    noticeText_ = WidgetStyle::label({}, TextStyle::callout, QFont::Normal, modeNotice_);
    noticeText_->setObjectName(QStringLiteral("modeNoticeText"));
    told->addWidget(noticeText_, 1);
    column->addWidget(modeNotice_);

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
    // While a password field holds the keys the remapping does not work: the card never says
    // that it does.
    const bool paused = state_.showsSecureInputNotice();
    const EngineState& engine = state_.engineState();
    const Tone statusTone = paused ? Tone::orange : on ? Tone::green : Tone::primary;
    statusTitle_->setText(paused ? Texts::pausedTitle.tr() : Translation::message(engine.title()));
    statusTitle_->setTone(statusTone);
    statusSymbol_->setSymbol(paused ? "pause.circle.fill" : engine.symbol(), statusTone);
    badge_->setVisible(on);
    badge_->setText((paused ? Texts::pausedBadge : Texts::activeBadge).tr());
    badge_->setTone(paused ? Tone::orange : Tone::green);
    secureInputNotice_->setVisible(paused);
    refreshNotice(paused);

    const std::optional<std::string> detail = engine.detail();
    detail_->setVisible(detail.has_value());
    detail_->setText(detail ? WidgetStyle::display(Translation::message(*detail)) : QString());

    const char* symbol = on ? "power" : "wand.and.stars";
    mainButton_->setText((on ? Texts::modeOnButton : Texts::modeOffButton).tr());
    // White on the tint whatever the appearance.
    mainButton_->setIcon(Icons::icon(symbol, Qt::white, 17));
    mainButton_->setProperty("symbol", symbol);
    mainButton_->setTint(on ? Tone::red : Tone::accent);
    hint_->setText(WidgetStyle::display((on ? Texts::modeOnHint : Texts::modeOffHint).tr()));
}

// Only what is true now: the sentences of a switch turned off since are left out.
void ModeCard::refreshNotice(bool paused) {
    const std::optional<ModeNotice>& notice = state_.modeNotice();
    modeNotice_->setVisible(notice.has_value() && !paused);
    if (!notice) {
        return;
    }
    QString text;
    if (notice->layoutWarning) {
        text = Texts::noticeLayoutWarning.tr() + Translation::message(*notice->layoutWarning);
    } else if (notice->kind == ModeNotice::Kind::restored) {
        text = Texts::noticeRestored.tr();
    } else {
        QStringList sentences{Texts::noticeReady.tr()};
        if (state_.options().fullWindowsTyping) {
            sentences << Texts::noticeTyping.tr();
        }
        if (state_.options().altShiftChangesLanguage) {
            sentences << Texts::noticeAltShift.tr();
        }
        text = sentences.join(QLatin1Char(' '));
    }
    noticeText_->setText(WidgetStyle::display(text));
    noticeSymbol_->setSymbol(
        notice->layoutWarning ? "exclamationmark.circle.fill" : "checkmark.circle.fill",
        notice->layoutWarning ? Tone::orange : Tone::green);
}

}  // namespace varnel
