#include "ui/feature_row.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/symbol_view.h"
#include "ui/widget_style.h"

namespace varnel {

FeatureRow::FeatureRow(const QString& before, const QString& after, QWidget* parent)
    : Card(12, /*bordered=*/false, parent) {
    setObjectName(QStringLiteral("featureRow"));
    // Full width and at least 66 high: every tile of a grid row gets the same size.
    setMinimumSize(10, minimumTileHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(10);
    row->setAlignment(Qt::AlignTop);

    auto* symbol = new SymbolView("checkmark.circle.fill", Theme::Tone::accent, 17, this);
    symbol->setObjectName(QStringLiteral("featureCheck"));
    // Level with the first line of text.
    row->addWidget(symbol, 0, Qt::AlignTop);

    QVBoxLayout* texts = WidgetStyle::headingOverCaption(before, after, 3, this);
    texts->addStretch(1);
    row->addLayout(texts, 1);
}

}  // namespace varnel
