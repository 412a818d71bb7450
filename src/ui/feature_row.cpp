#include "ui/feature_row.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/icons.h"
#include "ui/widget_style.h"

namespace varnel {

FeatureRow::FeatureRow(const QString& before, const QString& after, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("featureRow"));
    WidgetStyle::roundedCard(this, 12, Theme::controlBackground(parent));
    // Full width and at least 66 high: every tile of a grid row gets the same size.
    setMinimumSize(10, minimumTileHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(10);
    row->setAlignment(Qt::AlignTop);

    auto* symbol = new QLabel(this);
    symbol->setPixmap(Icons::pixmap("checkmark.circle.fill", Theme::blue(), 15));
    symbol->setContentsMargins(0, 1, 0, 0);  // level with the first line of text
    row->addWidget(symbol, 0, Qt::AlignTop);

    QVBoxLayout* texts = WidgetStyle::headingOverCaption(before, after, 3, this);
    texts->addStretch(1);
    row->addLayout(texts, 1);
}

}  // namespace varnel
