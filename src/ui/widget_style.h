#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "ui/theme.h"

class QFrame;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace varnel::WidgetStyle {

// A card: rounded corners of `radius` on `background`, with an optional 1-point border.
void roundedCard(QFrame* frame, int radius, const QColor& background,
                 const QColor& border = Qt::transparent);
// A word-wrapping label in a text style.
QLabel* label(const QString& text, Theme::TextStyle style, QFont::Weight weight, QWidget* parent);
void setTextColor(QWidget* widget, const QColor& color);
// A semibold heading over a secondary caption, `spacing` apart, as cards and tiles show them.
QVBoxLayout* headingOverCaption(const QString& heading, const QString& caption, int spacing,
                                QWidget* parent);

}  // namespace varnel::WidgetStyle
