#include "mapping/application_profiles.h"

#include <algorithm>
#include <array>

namespace varnel::ApplicationProfiles {

namespace {

using Profile = ApplicationProfile;
using Variant = ApplicationVariant;

constexpr ApplicationKind terminal{Profile::terminal};
constexpr ApplicationKind browser{Profile::browser};
constexpr ApplicationKind safari{Profile::browser, Variant::safari};
constexpr ApplicationKind vsCode{Profile::editor, Variant::vsCode};
constexpr ApplicationKind jetBrains{Profile::editor, Variant::jetBrains};
constexpr ApplicationKind office{Profile::office};
constexpr ApplicationKind excel{Profile::office, Variant::excel};

// The identifiers come from each application's public Homebrew cask definition (its uninstall
// and zap entries name the application's preferences and containers).
constexpr auto table = std::to_array<Entry>({
    {"com.apple.Terminal", terminal, "Terminal"},
    {"com.googlecode.iterm2", terminal, "iTerm2"},
    {"dev.warp.Warp-Stable", terminal, "Warp"},
    {"net.kovidgoyal.kitty", terminal, "kitty"},
    {"org.alacritty", terminal, "Alacritty"},
    {"com.mitchellh.ghostty", terminal, "Ghostty"},
    {"com.github.wez.wezterm", terminal, "WezTerm"},
    {"co.zeit.hyper", terminal, "Hyper"},

    {"com.apple.finder", {Profile::finder}, "Finder"},

    {"com.apple.Safari", safari, "Safari"},
    {"com.apple.SafariTechnologyPreview", safari, "Safari Technology Preview"},
    {"com.google.Chrome", browser, "Google Chrome"},
    {"com.google.Chrome.", browser, "Google Chrome Beta, Dev, Canary"},
    {"org.mozilla.firefox", browser, "Firefox"},
    {"org.mozilla.firefoxdeveloperedition", browser, "Firefox Developer Edition"},
    {"org.mozilla.nightly", browser, "Firefox Nightly"},
    {"com.microsoft.edgemac", browser, "Microsoft Edge"},
    {"com.microsoft.edgemac.", browser, "Microsoft Edge Beta, Dev, Canary"},
    {"com.brave.Browser", browser, "Brave"},
    {"com.brave.Browser.", browser, "Brave Beta, Nightly"},
    {"com.operasoftware.Opera", browser, "Opera"},
    {"com.vivaldi.Vivaldi", browser, "Vivaldi"},
    {"company.thebrowser.Browser", browser, "Arc"},
    {"org.chromium.Chromium", browser, "Chromium"},

    {"com.microsoft.VSCode", vsCode, "Visual Studio Code"},
    {"com.microsoft.VSCodeInsiders", vsCode, "Visual Studio Code Insiders"},
    {"com.vscodium", vsCode, "VSCodium"},
    {"com.vscodium.", vsCode, "VSCodium Insiders"},
    {"com.todesktop.230313mzl4w4u92", vsCode, "Cursor"},
    {"com.sublimetext.", vsCode, "Sublime Text"},
    {"com.jetbrains.", jetBrains, "IntelliJ IDEA, PyCharm, WebStorm and the other JetBrains IDEs"},
    {"com.google.android.studio", jetBrains, "Android Studio"},

    {"com.microsoft.Word", office, "Microsoft Word"},
    {"com.microsoft.Excel", excel, "Microsoft Excel"},
    {"com.microsoft.Powerpoint", office, "Microsoft PowerPoint"},
});

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool matches(const Entry& entry, std::string_view bundleIdentifier) {
    const std::string_view id = entry.identifier;
    if (entry.isPrefix() ? bundleIdentifier.size() <= id.size()
                         : bundleIdentifier.size() != id.size()) {
        return false;
    }
    return std::equal(id.begin(), id.end(), bundleIdentifier.begin(),
                      [](char a, char b) { return lower(a) == lower(b); });
}

}  // namespace

std::span<const Entry> entries() {
    return table;
}

ApplicationKind of(std::string_view bundleIdentifier) {
    for (const Entry& entry : table) {
        if (matches(entry, bundleIdentifier)) {
            return entry.kind;
        }
    }
    return {};
}

bool KeyboardOptions::*switchOf(ApplicationProfile profile) {
    switch (profile) {
        case Profile::standard: return nullptr;
        case Profile::terminal: return &KeyboardOptions::terminalProfile;
        case Profile::finder: return &KeyboardOptions::finderProfile;
        case Profile::browser: return &KeyboardOptions::browserProfile;
        case Profile::editor: return &KeyboardOptions::codeEditorProfile;
        case Profile::office: return &KeyboardOptions::officeProfile;
    }
    return nullptr;
}

ApplicationKind inForce(ApplicationKind kind, const KeyboardOptions& options) {
    const auto on = switchOf(kind.profile);
    return on != nullptr && options.*on ? kind : ApplicationKind{};
}

bool dependsOnFocus(ApplicationProfile profile) {
    return profile == Profile::finder || profile == Profile::browser;
}

}  // namespace varnel::ApplicationProfiles
