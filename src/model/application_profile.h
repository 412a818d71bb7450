#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace varnel {

// The kinds of application whose Windows habits differ from everywhere else. Everything not in
// the profile table is `standard`.
enum class ApplicationProfile : std::uint8_t {
    standard,
    terminal,
    finder,
    browser,
    editor,
    office
};

// Within a profile, the applications that do one Windows habit their own way on a Mac.
enum class ApplicationVariant : std::uint8_t {
    none,
    safari,     // reloads from the origin with Option + Command + R
    vsCode,     // VS Code, VSCodium, Cursor and Sublime Text: back and forward with Control + -
    jetBrains,  // back and forward with Command + [ and ], go to line with Command + L
    excel,      // F2 edits the cell; Home, Ctrl + arrows and Ctrl + Page Up/Down as in the grid
};

// The profile of one application, as the profile table knows it.
struct ApplicationKind {
    ApplicationProfile profile = ApplicationProfile::standard;
    ApplicationVariant variant = ApplicationVariant::none;

    friend bool operator==(const ApplicationKind&, const ApplicationKind&) = default;
};

inline constexpr std::array<ApplicationProfile, 6> allProfiles{
    ApplicationProfile::standard, ApplicationProfile::terminal, ApplicationProfile::finder,
    ApplicationProfile::browser,  ApplicationProfile::editor,   ApplicationProfile::office,
};

// The profile's stable English name: what varnel-sim prints.
constexpr std::string_view profileName(ApplicationProfile profile) {
    switch (profile) {
        case ApplicationProfile::standard: return "standard";
        case ApplicationProfile::terminal: return "terminal";
        case ApplicationProfile::finder: return "finder";
        case ApplicationProfile::browser: return "browser";
        case ApplicationProfile::editor: return "editor";
        case ApplicationProfile::office: return "office";
    }
    return "standard";
}

}  // namespace varnel
