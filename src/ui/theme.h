#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string_view>

class QWidget;

namespace varnel::Theme {

// System colours of the look.
QColor blue();
QColor green();
QColor red();
QColor orange();
// Text colours relative to the widget's palette.
QColor primaryText(const QWidget* widget);
QColor secondaryText(const QWidget* widget);
QColor tertiaryText(const QWidget* widget);
// The window background and the background of controls and cards.
QColor windowBackground(const QWidget* widget);
QColor controlBackground(const QWidget* widget);

// Text styles, in pixels of the layout.
enum class TextStyle { title2, title3, headline, subheadline, callout, caption, body };
QFont font(TextStyle style, QFont::Weight weight = QFont::Normal);

QString qt(std::string_view text);
// "rgba(r, g, b, a)" for style sheets.
QString css(const QColor& color);

}  // namespace varnel::Theme
