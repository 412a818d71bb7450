#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "model/decoded.h"

namespace varnel {

// The feature switches of the Windows mode. The first nine are the original ones, all on by
// default; the ones after them came later, each with the default that keeps what a user
// who never opens the settings had before, unless that was a fault.
struct KeyboardOptions {
    bool altShiftChangesLanguage = true;
    bool fullWindowsTyping = true;
    bool windowsPCLayouts = true;
    bool windowsEditingShortcuts = true;
    bool printScreenCopiesSelection = true;
    bool altF4QuitsApplication = true;
    bool windowsHomeAndEnd = true;
    bool windowsLockShortcut = true;
    bool windowsRecoveryShortcuts = true;
    // Mouse clicks and drags have Control and Command exchanged too, so that Ctrl + click adds
    // to a selection. Off: Windows key + click already does that for a user used to the Mac.
    bool windowsControlClick = false;
    // While a password is typed macOS lets no tap see the keys: the window and the menu bar
    // item say so (Varnel pauses cleanly meanwhile, whatever this says).
    bool secureInputNotice = true;
    // On ISO keyboards the key left of 1 and the one left of Z type what is printed on them.
    bool isoKeyboardLayout = true;
    // Each application profile's own rules (terminals, Finder, browsers, code editors,
    // Microsoft Office); off, the application gets the standard ones.
    bool terminalProfile = true;
    bool finderProfile = true;
    bool browserProfile = true;
    bool codeEditorProfile = true;
    bool officeProfile = true;
    // The Windows key does Windows things: alone it opens Spotlight, with D it shows the
    // desktop, with Tab Mission Control, with the arrows it tiles the window.
    bool windowsKeyShortcuts = true;

    // Each switch at its default: the record used before anything is loaded and as the
    // fallback.
    static const KeyboardOptions windowsDefaults;

    // One entry per field, in field order: its stored name and its member.
    struct Field {
        std::string_view name;
        bool KeyboardOptions::*member;
    };
    static const std::array<Field, 18> fields;

    // Stored form: a JSON object with one boolean member per field.
    nlohmann::json toJson() const;
    std::string encoded() const;
    // The stored form written over the one stored before: the known members are written
    // whole, and members of other names (switches of another Varnel version sharing the
    // settings) are kept after them, as they were. Anything but an object before adds nothing.
    std::string encoded(std::string_view storedBefore) const;
    // Not an object fails. Otherwise each member that is a boolean sets its field, and a
    // missing, null or unreadable member leaves its field at its default, so that one bad
    // switch costs none of the others (a record stored before a switch existed gets that
    // switch's default); members of other names are ignored.
    static Decoded<KeyboardOptions> fromJson(const nlohmann::json& json);
    // The same from the stored bytes; text that is not JSON fails too.
    static Decoded<KeyboardOptions> decode(std::string_view data);
    // What an object's member says of one field, by the rule of fromJson: a boolean gives the
    // value; a missing or null member gives none; any other value gives none and is unreadable.
    struct Member {
        std::optional<bool> value;
        bool unreadable = false;
    };
    static Member member(const nlohmann::json& object, const Field& field);

    friend bool operator==(const KeyboardOptions&, const KeyboardOptions&) = default;
};

inline const KeyboardOptions KeyboardOptions::windowsDefaults{};

inline const std::array<KeyboardOptions::Field, 18> KeyboardOptions::fields{{
    {"altShiftChangesLanguage", &KeyboardOptions::altShiftChangesLanguage},
    {"fullWindowsTyping", &KeyboardOptions::fullWindowsTyping},
    {"windowsPCLayouts", &KeyboardOptions::windowsPCLayouts},
    {"windowsEditingShortcuts", &KeyboardOptions::windowsEditingShortcuts},
    {"printScreenCopiesSelection", &KeyboardOptions::printScreenCopiesSelection},
    {"altF4QuitsApplication", &KeyboardOptions::altF4QuitsApplication},
    {"windowsHomeAndEnd", &KeyboardOptions::windowsHomeAndEnd},
    {"windowsLockShortcut", &KeyboardOptions::windowsLockShortcut},
    {"windowsRecoveryShortcuts", &KeyboardOptions::windowsRecoveryShortcuts},
    {"windowsControlClick", &KeyboardOptions::windowsControlClick},
    {"secureInputNotice", &KeyboardOptions::secureInputNotice},
    {"isoKeyboardLayout", &KeyboardOptions::isoKeyboardLayout},
    {"terminalProfile", &KeyboardOptions::terminalProfile},
    {"finderProfile", &KeyboardOptions::finderProfile},
    {"browserProfile", &KeyboardOptions::browserProfile},
    {"codeEditorProfile", &KeyboardOptions::codeEditorProfile},
    {"officeProfile", &KeyboardOptions::officeProfile},
    {"windowsKeyShortcuts", &KeyboardOptions::windowsKeyShortcuts},
}};

}  // namespace varnel
