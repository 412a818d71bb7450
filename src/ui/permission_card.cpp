#include "ui/permission_card.h"

#include <QHBoxLayout>

#include "ui/push_button.h"
#include "ui/symbol_view.h"
#include "ui/texts.h"
#include "ui/tone_label.h"
#include "ui/widget_style.h"

namespace varnel {

using Theme::TextStyle;
using Theme::Tone;

PermissionCard::PermissionCard(const QString& title, const QString& subtitle, bool granted,
                               const QString& actionTitle, std::function<void()> action,
                               QWidget* parent)
    : Card(12, /*bordered=*/false, parent), granted_(!granted) {
    setObjectName(QStringLiteral("permissionCard"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(12);

    symbol_ = new SymbolView("exclamationmark.circle.fill", Tone::orange, 20, this);
    symbol_->setObjectName(QStringLiteral("permissionSymbol"));
    row->addWidget(symbol_, 0, Qt::AlignVCenter);

    // The texts take the free width, so that they wrap only when they must.
    row->addLayout(WidgetStyle::headingOverCaption(title, subtitle, 2, this), 1);

    grantedLabel_ =
        new ToneLabel(Texts::granted.tr(), TextStyle::caption, QFont::DemiBold, Tone::green, this);
    grantedLabel_->setObjectName(QStringLiteral("grantedLabel"));
    row->addWidget(grantedLabel_, 0, Qt::AlignVCenter);

    button_ = new PushButton(actionTitle, PushButton::Kind::bordered, this);
    button_->setObjectName(QStringLiteral("actionButton"));
    connect(button_, &PushButton::clicked, this, [action = std::move(action)] {
        if (action) {
            action();
        }
    });
    row->addWidget(button_, 0, Qt::AlignVCenter);

    setGranted(granted);
}

void PermissionCard::setGranted(bool granted) {
    if (granted == granted_) {
        return;
    }
    granted_ = granted;
    symbol_->setSymbol(granted ? "checkmark.circle.fill" : "exclamationmark.circle.fill",
                       granted ? Tone::green : Tone::orange);
    grantedLabel_->setVisible(granted);
    button_->setVisible(!granted);
}

}  // namespace varnel
