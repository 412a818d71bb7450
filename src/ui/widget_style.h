#pragma once

#include <QFont>
#include <QString>

#include "ui/theme.h"

class QLabel;
class QVBoxLayout;
class QWidget;

namespace varnel::WidgetStyle {

// A text as the window shows it: "Ctrl + Alt + Windows + Esc" and the like never break
// across lines (no-break spaces around the plus signs). Only for display; stored and
// published texts keep their plain spaces.
QString display(const QString& text);

// A word-wrapping label in a text style, showing `text` as display() gives it.
QLabel* label(const QString& text, Theme::TextStyle style, QFont::Weight weight, QWidget* parent);
// Draws the label's text in the secondary text colour of whatever palette it is shown with.
void makeSecondary(QLabel* label);
// A semibold heading over a secondary caption, `spacing` apart, as cards and tiles show them.
QVBoxLayout* headingOverCaption(const QString& heading, const QString& caption, int spacing,
                                QWidget* parent);

}  // namespace varnel::WidgetStyle
