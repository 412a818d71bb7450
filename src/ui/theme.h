#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string_view>

namespace varnel::Theme {

// Every colour of the interface, computed from a palette: the system's, which changes when
// the Mac switches between light and dark. Views ask for them when they paint, never keep
// them, so that a switch recolours everything.
struct Colors {
    bool dark = false;
    QColor text;           // primary text
    QColor secondaryText;  // captions, hints, the footer: the palette's placeholder text, made
                           // readable on the window and on a card
    QColor window;         // the window background
    QColor card;           // the background of cards and controls
    QColor cardBorder;     // a hairline around cards and bordered buttons
    QColor accent;         // the main button, the check marks, the application's tile
    QColor onAccent;       // text and symbols on the accent and on red
    QColor buttonFill;     // a bordered button
    QColor green;          // states: on, granted, running
    QColor red;            // the button that turns the mode off
    QColor orange;         // a missing permission
};
Colors colors(const QPalette& palette);

// A colour of the interface by its meaning, as symbols and fills show it.
enum class Tone { primary, secondary, accent, green, red, orange };
QColor tone(const QPalette& palette, Tone tone);

// Every text stands out from what it is drawn on at least this much (WCAG AA for text).
inline constexpr double minimumTextContrast = 4.5;
// The WCAG contrast ratio of two opaque colours, from 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);
// `color` drawn over the opaque `background`, its alpha applied.
QColor over(const QColor& color, const QColor& background);
// The colour a text of a tone is drawn in: the tone's, darkened (light) or lightened (dark)
// just as much as it takes to read on the window and on a card. The system's green on white
// is a pleasant symbol and an unreadable word.
QColor textColor(const QPalette& palette, Tone tone);
// A capsule badge of a tone on a card: its fill (the tone, faint) and its text.
struct Badge {
    QColor fill;
    QColor text;
};
Badge badge(const QPalette& palette, Tone tone);
// The fill of a prominent button of a tone, under its white text: the tone, darkened as much
// as the text needs.
QColor buttonFill(const QPalette& palette, Tone tone);

// Stand-ins for the system's light and dark palettes where the system gives none (the
// offscreen pictures and tests), after a Mac's window colours.
QPalette lightPalette();
QPalette darkPalette();

// Text styles, in pixels of the layout; nothing is smaller than 11.
enum class TextStyle { title2, title3, headline, subheadline, callout, caption, body };
QFont font(TextStyle style, QFont::Weight weight = QFont::Normal);

QString qt(std::string_view text);

}  // namespace varnel::Theme
