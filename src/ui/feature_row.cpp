#include "ui/feature_row.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/symbol_view.h"
#include "ui/widget_style.h"

namespace varnel {

FeatureRow::FeatureRow(const QString& before, const QString& after, const QString& offCaption,
                       QWidget* parent)
    : Card(12, /*bordered=*/false, parent), after_(after), offCaption_(offCaption) {
    setObjectName(QStringLiteral("featureRow"));
    // Full width and at least 66 high: every tile of a grid row gets the same size.
    setMinimumSize(10, minimumTileHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(10);
    row->setAlignment(Qt::AlignTop);

    symbol_ = new SymbolView("checkmark.circle.fill", Theme::Tone::accent, 17, this);
    symbol_->setObjectName(QStringLiteral("featureCheck"));
    // Level with the first line of text.
    row->addWidget(symbol_, 0, Qt::AlignTop);

    QVBoxLayout* texts = WidgetStyle::headingOverCaption(before, after, 3, this);
    caption_ = qobject_cast<QLabel*>(texts->itemAt(1)->widget());
    caption_->setObjectName(QStringLiteral("featureCaption"));
    texts->addStretch(1);
    row->addLayout(texts, 1);
}

void FeatureRow::setOn(bool on) {
    if (on == on_) {
        return;
    }
    on_ = on;
    symbol_->setSymbol(on ? "checkmark.circle.fill" : "circle",
                       on ? Theme::Tone::accent : Theme::Tone::secondary);
    caption_->setText(WidgetStyle::display(on ? after_ : offCaption_));
}

}  // namespace varnel
