#include "ui/theme.h"

#include <QApplication>
#include <QStyle>

#ifdef Q_OS_MACOS
#include "platform/macos/mac_appearance.h"
#endif

namespace varnel::Theme {

namespace {

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

// The colours that follow the system's rather than the palette.
enum class System { accent, green, red, orange };

// The Mac's, light and dark: what other systems, which have none, show for the same states.
QColor fallback(System which, bool dark) {
    switch (which) {
        case System::accent: return dark ? QColor(10, 132, 255) : QColor(0, 122, 255);
        case System::green: return dark ? QColor(48, 209, 88) : QColor(52, 199, 89);
        case System::red: return dark ? QColor(255, 69, 58) : QColor(255, 59, 48);
        case System::orange: return dark ? QColor(255, 159, 10) : QColor(255, 149, 0);
    }
    return {};
}

QColor system(System which, bool dark) {
#ifdef Q_OS_MACOS
    using Mac = MacAppearance::SystemColor;
    const Mac mac = which == System::accent  ? Mac::accent
                    : which == System::green ? Mac::green
                    : which == System::red   ? Mac::red
                                             : Mac::orange;
    if (const auto c = MacAppearance::systemColor(mac, dark)) {
        return QColor::fromRgbF(static_cast<float>(c->red), static_cast<float>(c->green),
                                static_cast<float>(c->blue), static_cast<float>(c->alpha));
    }
#endif
    return fallback(which, dark);
}

// The accent: on a Mac the system's; elsewhere the palette's, which the desktop sets.
QColor accentOf([[maybe_unused]] const QPalette& palette, bool dark) {
#if defined(Q_OS_MACOS)
    return system(System::accent, dark);
#elif QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    (void)dark;
    return palette.color(QPalette::Accent);
#else
    (void)dark;
    return palette.color(QPalette::Highlight);
#endif
}

// Dark when the text is lighter than what it stands on.
bool isDark(const QPalette& palette) {
    return palette.color(QPalette::WindowText).lightness() >
           palette.color(QPalette::Window).lightness();
}

// The style's own palette with the roles that make a window light or dark replaced.
QPalette standIn(const QColor& text, const QColor& window, const QColor& base, const QColor& button,
                 const QColor& placeholder, bool dark) {
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, button);
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::Light, button.lighter(dark ? 140 : 110));
    palette.setColor(QPalette::Midlight, button.lighter(dark ? 120 : 105));
    palette.setColor(QPalette::Mid, button.darker(dark ? 120 : 140));
    palette.setColor(QPalette::Dark, button.darker(dark ? 150 : 160));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::PlaceholderText, placeholder);
    palette.setColor(QPalette::Highlight, fallback(System::accent, dark));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::BrightText, Qt::white);
    QColor disabled = text;
    disabled.setAlpha(dark ? 90 : 80);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    return palette;
}

}  // namespace

Colors colors(const QPalette& palette) {
    Colors c;
    c.text = palette.color(QPalette::WindowText);
    c.window = palette.color(QPalette::Window);
    c.dark = isDark(palette);
    c.secondaryText = palette.color(QPalette::PlaceholderText);
    c.card = palette.color(QPalette::Base);
    c.cardBorder = withAlpha(c.text, c.dark ? 0.16 : 0.12);
    c.accent = accentOf(palette, c.dark);
    c.onAccent = Qt::white;
    c.buttonFill = c.dark ? withAlpha(c.text, 0.16) : palette.color(QPalette::Base);
    c.green = system(System::green, c.dark);
    c.red = system(System::red, c.dark);
    c.orange = system(System::orange, c.dark);
    return c;
}

QColor tone(const QPalette& palette, Tone tone) {
    switch (tone) {
        case Tone::primary: return palette.color(QPalette::WindowText);
        case Tone::secondary: return palette.color(QPalette::PlaceholderText);
        case Tone::accent: return accentOf(palette, isDark(palette));
        case Tone::green: return system(System::green, isDark(palette));
        case Tone::red: return system(System::red, isDark(palette));
        case Tone::orange: return system(System::orange, isDark(palette));
    }
    return palette.color(QPalette::WindowText);
}

QPalette lightPalette() {
    return standIn(QColor(34, 34, 34), QColor(236, 236, 236), Qt::white, QColor(246, 246, 246),
                   QColor(0, 0, 0, 128), false);
}

QPalette darkPalette() {
    return standIn(QColor(228, 228, 228), QColor(44, 44, 44), QColor(30, 30, 30),
                   QColor(70, 70, 70), QColor(255, 255, 255, 140), true);
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
        case TextStyle::subheadline: pixels = 12; break;
        case TextStyle::callout: pixels = 12; break;
        case TextStyle::caption: pixels = 11; break;
        case TextStyle::body: pixels = 13; break;
    }
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace varnel::Theme
