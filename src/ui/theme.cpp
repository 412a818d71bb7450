#include "ui/theme.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#ifdef Q_OS_MACOS
#include "ui/macos/mac_appearance.h"
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

// The relative luminance of the WCAG: each channel linearised, weighted by how bright it looks.
double luminance(const QColor& color) {
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor mix(const QColor& from, const QColor& to, double amount) {
    const auto channel = [amount](float a, float b) {
        return static_cast<float>(a + (b - a) * amount);
    };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()), channel(from.alphaF(), to.alphaF()));
}

// `color` moved towards `extreme` (black on light backgrounds, white on dark ones) in small
// steps, until `reads` says it does: as little as it takes, so that it keeps its hue.
template <class Reads>
QColor movedUntil(const QColor& color, const QColor& extreme, Reads reads) {
    for (int step = 0; step <= 50; ++step) {
        const QColor candidate = mix(color, extreme, step / 50.0);
        if (reads(candidate)) {
            return candidate;
        }
    }
    return extreme;
}

// A text colour that reads on every one of `backgrounds`.
QColor readableOn(const QColor& color, std::initializer_list<QColor> backgrounds, bool dark) {
    return movedUntil(
        color, dark ? QColor(Qt::white) : QColor(Qt::black),
        [&backgrounds](const QColor& candidate) {
            for (const QColor& background : backgrounds) {
                if (contrastRatio(over(candidate, background), background) < minimumTextContrast) {
                    return false;
                }
            }
            return true;
        });
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
    c.card = palette.color(QPalette::Base);
    c.secondaryText =
        readableOn(palette.color(QPalette::PlaceholderText), {c.window, c.card}, c.dark);
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

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor over(const QColor& color, const QColor& background) {
    QColor opaque = mix(background, color, color.alphaF());
    opaque.setAlphaF(1.0f);
    return opaque;
}

QColor textColor(const QPalette& palette, Tone which) {
    const Colors c = colors(palette);
    if (which == Tone::secondary) {
        return c.secondaryText;
    }
    return readableOn(tone(palette, which), {c.window, c.card}, c.dark);
}

Badge badge(const QPalette& palette, Tone which) {
    const Colors c = colors(palette);
    QColor faint = tone(palette, which);
    faint.setAlphaF(0.15f);
    const QColor fill = over(faint, c.card);
    return {fill, readableOn(tone(palette, which), {fill}, c.dark)};
}

QColor buttonFill(const QPalette& palette, Tone which) {
    const QColor text = colors(palette).onAccent;
    const bool lightText = luminance(text) > 0.5;
    return movedUntil(
        tone(palette, which), lightText ? QColor(Qt::black) : QColor(Qt::white),
        [&text](const QColor& fill) { return contrastRatio(text, fill) >= minimumTextContrast; });
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
