#include "ui/widget_style.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>

namespace varnel::WidgetStyle {

void roundedCard(QFrame* frame, int radius, const QColor& background, const QColor& border) {
    // Scoped by a property only the card has, so that its children keep their own look.
    frame->setProperty("varnelCard", true);
    frame->setStyleSheet(QStringLiteral("QFrame[varnelCard=\"true\"] { background: %1; "
                                        "border: 1px solid %2; border-radius: %3px; }")
                             .arg(Theme::css(background), Theme::css(border))
                             .arg(radius));
}

QLabel* label(const QString& text, Theme::TextStyle style, QFont::Weight weight, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(Theme::font(style, weight));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QVBoxLayout* headingOverCaption(const QString& heading, const QString& caption, int spacing,
                                QWidget* parent) {
    auto* column = new QVBoxLayout;
    column->setSpacing(spacing);
    column->addWidget(label(heading, Theme::TextStyle::subheadline, QFont::DemiBold, parent));
    QLabel* second = label(caption, Theme::TextStyle::caption, QFont::Normal, parent);
    setTextColor(second, Theme::secondaryText(parent));
    column->addWidget(second);
    return column;
}

}  // namespace varnel::WidgetStyle
