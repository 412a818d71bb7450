#include <QTest>
#include <cmath>

#include "ui/theme.h"
#include "ui_tests.h"

namespace varnel {

namespace {

// The WCAG 2 definitions, written out here rather than taken from the theme, so that a slip in
// the theme's own arithmetic cannot pass its own test.
double relativeLuminance(const QColor& color) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

double wcagContrast(const QColor& a, const QColor& b) {
    const double x = relativeLuminance(a);
    const double y = relativeLuminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// A colour with alpha as it lands on an opaque background.
QColor blended(const QColor& color, const QColor& background) {
    const double a = color.alphaF();
    return QColor::fromRgbF(static_cast<float>(color.redF() * a + background.redF() * (1 - a)),
                            static_cast<float>(color.greenF() * a + background.greenF() * (1 - a)),
                            static_cast<float>(color.blueF() * a + background.blueF() * (1 - a)));
}

}  // namespace

void ThemeTest::everyTextReadsOnWhatIsBehindIt() {
    // The formula itself: the extremes, and the system's green on white that is too faint.
    QCOMPARE(qRound(wcagContrast(Qt::white, Qt::black) * 10), 210);
    QVERIFY(wcagContrast(QColor(52, 199, 89), Qt::white) < 2.5);

    using Theme::Tone;
    struct Appearance {
        const char* name;
        QPalette palette;
    };
    for (const Appearance& appearance :
         {Appearance{"light", Theme::lightPalette()}, Appearance{"dark", Theme::darkPalette()}}) {
        const QPalette& palette = appearance.palette;
        const Theme::Colors colors = Theme::colors(palette);
        struct Pair {
            const char* what;
            QColor text;
            QColor background;
        };
        std::vector<Pair> pairs;
        // Texts stand on the window (headings, the footer) and on cards (everything in them).
        for (const auto& [name, background] :
             {std::pair{"window", colors.window}, std::pair{"card", colors.card}}) {
            pairs.push_back({"primary", colors.text, background});
            pairs.push_back({"secondary", colors.secondaryText, background});
            for (const auto& [tone, toneName] :
                 {std::pair{Tone::green, "green"}, std::pair{Tone::orange, "orange"},
                  std::pair{Tone::red, "red"}, std::pair{Tone::accent, "accent"},
                  std::pair{Tone::secondary, "secondary tone"}}) {
                pairs.push_back({toneName, Theme::textColor(palette, tone), background});
            }
            (void)name;
        }
        for (Tone tone : {Tone::green, Tone::orange}) {
            const Theme::Badge badge = Theme::badge(palette, tone);
            pairs.push_back({"badge", badge.text, blended(badge.fill, colors.card)});
        }
        for (Tone tone : {Tone::accent, Tone::red}) {
            pairs.push_back(
                {"prominent button", colors.onAccent, Theme::buttonFill(palette, tone)});
        }
        pairs.push_back({"bordered button", palette.color(QPalette::ButtonText),
                         blended(colors.buttonFill, colors.card)});
        for (const Pair& pair : pairs) {
            const double ratio = wcagContrast(blended(pair.text, pair.background), pair.background);
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QStringLiteral("%1, %2: %3 on %4 is %5:1")
                                    .arg(QString::fromLatin1(appearance.name),
                                         QString::fromLatin1(pair.what),
                                         pair.text.name(QColor::HexArgb), pair.background.name())
                                    .arg(ratio, 0, 'f', 2)));
        }
        // Made readable, not replaced: the green stays a green.
        QVERIFY(Theme::textColor(palette, Tone::green).hue() > 100 &&
                Theme::textColor(palette, Tone::green).hue() < 160);
    }
}

}  // namespace varnel
