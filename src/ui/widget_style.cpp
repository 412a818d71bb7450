#include "ui/widget_style.h"

#include <QLabel>
#include <QVBoxLayout>

namespace varnel::WidgetStyle {

QString display(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral(" + "), QStringLiteral("\u00a0+\u00a0"));
}

QString display(std::string_view text) {
    return display(Theme::qt(text));
}

QLabel* label(const QString& text, Theme::TextStyle style, QFont::Weight weight, QWidget* parent) {
    auto* label = new QLabel(display(text), parent);
    label->setFont(Theme::font(style, weight));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void makeSecondary(QLabel* label) {
    label->setForegroundRole(QPalette::PlaceholderText);
}

QVBoxLayout* headingOverCaption(const QString& heading, const QString& caption, int spacing,
                                QWidget* parent) {
    auto* column = new QVBoxLayout;
    column->setSpacing(spacing);
    column->addWidget(label(heading, Theme::TextStyle::subheadline, QFont::DemiBold, parent));
    QLabel* second = label(caption, Theme::TextStyle::caption, QFont::Normal, parent);
    makeSecondary(second);
    column->addWidget(second);
    return column;
}

}  // namespace varnel::WidgetStyle
