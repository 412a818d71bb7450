#pragma once

#include <array>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "model/decoded.h"

namespace varnel {

// The nine feature switches of the Windows mode.
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

    // Every switch on: the record used before anything is loaded and as the fallback.
    static const KeyboardOptions windowsDefaults;

    // One entry per field, in field order: its stored name and its member.
    struct Field {
        std::string_view name;
        bool KeyboardOptions::*member;
    };
    static const std::array<Field, 9> fields;

    // Stored form: a JSON object with one boolean member per field.
    nlohmann::json toJson() const;
    std::string encoded() const;
    // The stored form written over the one stored before: the nine members are written
    // whole, and members of other names (switches of another Varnel version sharing the
    // settings) are kept after them, as they were. Anything but an object before adds nothing.
    std::string encoded(std::string_view storedBefore) const;
    // Not an object fails. Otherwise each member that is a boolean sets its field, and a
    // missing, null or unreadable member leaves its field on, so that one bad switch costs
    // none of the others; members of other names are ignored.
    static Decoded<KeyboardOptions> fromJson(const nlohmann::json& json);
    // The same from the stored bytes; text that is not JSON fails too.
    static Decoded<KeyboardOptions> decode(std::string_view data);

    friend bool operator==(const KeyboardOptions&, const KeyboardOptions&) = default;
};

inline const KeyboardOptions KeyboardOptions::windowsDefaults{};

inline const std::array<KeyboardOptions::Field, 9> KeyboardOptions::fields{{
    {"altShiftChangesLanguage", &KeyboardOptions::altShiftChangesLanguage},
    {"fullWindowsTyping", &KeyboardOptions::fullWindowsTyping},
    {"windowsPCLayouts", &KeyboardOptions::windowsPCLayouts},
    {"windowsEditingShortcuts", &KeyboardOptions::windowsEditingShortcuts},
    {"printScreenCopiesSelection", &KeyboardOptions::printScreenCopiesSelection},
    {"altF4QuitsApplication", &KeyboardOptions::altF4QuitsApplication},
    {"windowsHomeAndEnd", &KeyboardOptions::windowsHomeAndEnd},
    {"windowsLockShortcut", &KeyboardOptions::windowsLockShortcut},
    {"windowsRecoveryShortcuts", &KeyboardOptions::windowsRecoveryShortcuts},
}};

}  // namespace varnel
