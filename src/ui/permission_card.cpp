#include "ui/permission_card.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/icons.h"
#include "ui/texts.h"
#include "ui/theme.h"
#include "ui/widget_style.h"

namespace varnel {

using Theme::TextStyle;

PermissionCard::PermissionCard(const QString& title, const QString& subtitle, bool granted,
                               const QString& actionTitle, std::function<void()> action,
                               QWidget* parent)
    : QFrame(parent), granted_(!granted) {
    setObjectName(QStringLiteral("permissionCard"));
    WidgetStyle::roundedCard(this, 12, Theme::controlBackground(parent));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(12);

    symbol_ = new QLabel(this);
    row->addWidget(symbol_, 0, Qt::AlignVCenter);

    // The texts take the free width, so that they wrap only when they must.
    row->addLayout(WidgetStyle::headingOverCaption(title, subtitle, 2, this), 1);

    grantedLabel_ =
        WidgetStyle::label(Theme::qt(Texts::granted), TextStyle::caption, QFont::DemiBold, this);
    grantedLabel_->setObjectName(QStringLiteral("grantedLabel"));
    WidgetStyle::setTextColor(grantedLabel_, Theme::green());
    row->addWidget(grantedLabel_, 0, Qt::AlignVCenter);

    button_ = new QPushButton(actionTitle, this);
    button_->setObjectName(QStringLiteral("actionButton"));
    connect(button_, &QPushButton::clicked, this, [action = std::move(action)] {
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
    const int size = Theme::font(TextStyle::title3).pixelSize() + 3;
    symbol_->setPixmap(granted
                           ? Icons::pixmap("checkmark.circle.fill", Theme::green(), size)
                           : Icons::pixmap("exclamationmark.circle.fill", Theme::orange(), size));
    symbol_->setProperty("symbol",
                         granted ? "checkmark.circle.fill" : "exclamationmark.circle.fill");
    grantedLabel_->setVisible(granted);
    button_->setVisible(!granted);
}

}  // namespace varnel
