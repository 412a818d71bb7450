#include "ui/theme.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace varnel::Theme {

namespace {

QPalette paletteOf(const QWidget* widget) {
    return widget ? widget->palette() : QApplication::palette();
}

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

}  // namespace

QColor blue() {
    return QColor(0, 122, 255);
}
QColor green() {
    return QColor(40, 167, 69);
}
QColor red() {
    return QColor(255, 59, 48);
}
QColor orange() {
    return QColor(255, 149, 0);
}

QColor primaryText(const QWidget* widget) {
    return paletteOf(widget).color(QPalette::WindowText);
}
QColor secondaryText(const QWidget* widget) {
    return withAlpha(primaryText(widget), 0.6);
}
QColor tertiaryText(const QWidget* widget) {
    return withAlpha(primaryText(widget), 0.4);
}
QColor windowBackground(const QWidget* widget) {
    return paletteOf(widget).color(QPalette::Window);
}
QColor controlBackground(const QWidget* widget) {
    return paletteOf(widget).color(QPalette::Base);
}

QFont font(TextStyle style, QFont::Weight weight) {
    QFont font = QApplication::font();
    int pixels = 13;
    switch (style) {
        case TextStyle::title2: pixels = 17; break;
        case TextStyle::title3: pixels = 15; break;
        case TextStyle::headline:
            pixels = 13;
            weight = std::max(weight, QFont::DemiBold);
            break;
        case TextStyle::subheadline: pixels = 11; break;
        case TextStyle::callout: pixels = 12; break;
        case TextStyle::caption: pixels = 10; break;
        case TextStyle::body: pixels = 13; break;
    }
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString css(const QColor& color) {
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alphaF());
}

}  // namespace varnel::Theme
