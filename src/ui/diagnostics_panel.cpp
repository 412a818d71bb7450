#include "ui/diagnostics_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "ui/texts.h"
#include "ui/tone_label.h"
#include "ui/translation.h"
#include "ui/widget_style.h"

namespace varnel {

DiagnosticsPanel::DiagnosticsPanel(AppState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    tap_ =
        new ToneLabel({}, Theme::TextStyle::callout, QFont::Normal, Theme::Tone::secondary, this);
    addRow(Texts::diagTap.tr(), tap_, QStringLiteral("diag.tap"), false);
    secureInput_ =
        new ToneLabel({}, Theme::TextStyle::callout, QFont::Normal, Theme::Tone::secondary, this);
    addRow(Texts::diagSecureInput.tr(), secureInput_, QStringLiteral("diag.secureInput"), false);
    const auto row = [this](Texts::Text label, const char* name, bool selectable) {
        auto* value = new QLabel(this);
        value->setWordWrap(true);
        return addRow(label.tr(), value, QString::fromLatin1(name), selectable);
    };
    frontmost_ = row(Texts::diagFrontmost, "diag.frontmost", true);
    profile_ = row(Texts::diagProfile, "diag.profile", false);
    language_ = row(Texts::diagLanguage, "diag.language", false);
    inputSource_ = row(Texts::diagInputSource, "diag.inputSource", true);
    keyboard_ = row(Texts::diagKeyboard, "diag.keyboard", false);
    lastKey_ = row(Texts::diagLastKey, "diag.lastKey", true);
    result_ = row(Texts::diagResult, "diag.result", true);
    processed_ = row(Texts::diagProcessed, "diag.processed", false);
    blocked_ = row(Texts::diagBlocked, "diag.blocked", false);
    refresh();
}

QLabel* DiagnosticsPanel::addRow(const QString& label, QLabel* value, const QString& name,
                                 bool selectable) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const QFont callout = Theme::font(Theme::TextStyle::callout);
    auto* title = new QLabel(label, this);
    title->setFont(callout);
    value->setObjectName(name);
    value->setFont(callout);
    value->setTextFormat(Qt::PlainText);  // key names such as "<" are text, not markup
    if (selectable) {
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    grid->addWidget(title, rows_, 0, Qt::AlignLeft | Qt::AlignTop);
    // The value fills its cell, so that a long text wraps within the window's width.
    value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(value, rows_, 1);
    ++rows_;
    return value;
}

void DiagnosticsPanel::refresh() {
    const DiagnosticSnapshot& d = state_.diagnostic();
    tap_->setText((d.eventTapActive ? Texts::diagTapActive : Texts::diagTapInactive).tr());
    tap_->setTone(d.eventTapActive ? Theme::Tone::green : Theme::Tone::secondary);
    // Secure input is read only while the mode is on.
    const bool checked = state_.isModeEnabled();
    const bool secure = state_.isPausedBySecureInput();
    secureInput_->setText((!checked ? Texts::diagNotChecked
                           : secure ? Texts::diagSecureInputOn
                                    : Texts::diagSecureInputOff)
                              .tr());
    secureInput_->setTone(secure ? Theme::Tone::orange : Theme::Tone::secondary);
    QString frontmost = !state_.frontmostName().empty()
                            ? QString::fromStdString(state_.frontmostName())
                            : QStringLiteral("—");
    if (state_.isFrontmostExcluded()) {
        frontmost += Texts::diagLeftAlone.tr();
    }
    frontmost_->setText(frontmost);
    QString profile =
        Texts::profileNames[static_cast<std::size_t>(state_.applicationProfile().profile)].tr();
    switch (state_.focusKind()) {
        case KeyboardFocus::Kind::textEntry: profile += Texts::diagInTextField.tr(); break;
        case KeyboardFocus::Kind::other: profile += Texts::diagOutsideTextField.tr(); break;
        case KeyboardFocus::Kind::unknown: break;  // not followed, or not known
    }
    profile_->setText(profile);
    language_->setText(Translation::message(state_.typingLanguage().displayName()));
    inputSource_->setText(Translation::message(state_.currentInputSource()));
    // The keyboard the last key typed came from: a Mac may have two.
    QString keyboard = QStringLiteral("—");
    if (d.keyboardType) {
        switch (*d.keyboardType) {
            case KeyboardType::ansi: keyboard = QStringLiteral("ANSI"); break;
            case KeyboardType::iso: keyboard = QStringLiteral("ISO"); break;
            case KeyboardType::jis: keyboard = QStringLiteral("JIS"); break;
        }
    }
    keyboard_->setText(keyboard);
    lastKey_->setText(Translation::message(d.lastPhysicalKey));
    result_->setText(Translation::message(d.lastTransformedAction));
    processed_->setText(QString::number(d.processedEvents));
    blocked_->setText(QString::number(d.blockedEvents));
}

}  // namespace varnel
