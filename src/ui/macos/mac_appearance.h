#pragma once

#include <optional>
#include <string_view>

namespace varnel::MacAppearance {

// What the interface reads from AppKit because Qt offers no way to it.

struct Rgba {
    double red;
    double green;
    double blue;
    double alpha;
};

enum class SystemColor { accent, green, red, orange };

// The system colour in sRGB, resolved in the application's own appearance when it is the
// light or dark one asked for (so that Increase Contrast counts), else in plain Aqua or Dark
// Aqua. nullopt when AppKit cannot give it in sRGB.
std::optional<Rgba> systemColor(SystemColor color, bool dark);

// Gives the application's menu bar item the name VoiceOver reads: the accessibility label of
// its status item's button (Qt sets only the tool tip). False when no status item exists.
bool setStatusItemAccessibilityLabel(std::string_view label);

}  // namespace varnel::MacAppearance
