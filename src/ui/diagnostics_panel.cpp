#include "ui/diagnostics_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "ui/texts.h"
#include "ui/widget_style.h"

namespace varnel {

DiagnosticsPanel::DiagnosticsPanel(AppState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    tap_ = addRow(Theme::qt(Texts::diagTap), QStringLiteral("diag.tap"), false);
    language_ = addRow(Theme::qt(Texts::diagLanguage), QStringLiteral("diag.language"), false);
    inputSource_ =
        addRow(Theme::qt(Texts::diagInputSource), QStringLiteral("diag.inputSource"), true);
    lastKey_ = addRow(Theme::qt(Texts::diagLastKey), QStringLiteral("diag.lastKey"), true);
    result_ = addRow(Theme::qt(Texts::diagResult), QStringLiteral("diag.result"), true);
    processed_ = addRow(Theme::qt(Texts::diagProcessed), QStringLiteral("diag.processed"), false);
    blocked_ = addRow(Theme::qt(Texts::diagBlocked), QStringLiteral("diag.blocked"), false);
    refresh();
}

QLabel* DiagnosticsPanel::addRow(const QString& label, const QString& name, bool selectable) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const QFont callout = Theme::font(Theme::TextStyle::callout);
    auto* title = new QLabel(label, this);
    title->setFont(callout);
    auto* value = new QLabel(this);
    value->setObjectName(name);
    value->setFont(callout);
    value->setWordWrap(true);
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
    tap_->setText(Theme::qt(d.eventTapActive ? Texts::diagTapActive : Texts::diagTapInactive));
    WidgetStyle::setTextColor(tap_, d.eventTapActive ? Theme::green() : Theme::secondaryText(this));
    language_->setText(Theme::qt(state_.typingLanguage().displayName()));
    inputSource_->setText(QString::fromStdString(state_.currentInputSource()));
    lastKey_->setText(QString::fromStdString(d.lastPhysicalKey));
    result_->setText(QString::fromStdString(d.lastTransformedAction));
    processed_->setText(QString::number(d.processedEvents));
    blocked_->setText(QString::number(d.blockedEvents));
}

}  // namespace varnel
