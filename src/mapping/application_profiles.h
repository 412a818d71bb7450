#pragma once

#include <span>
#include <string_view>

#include "model/application_profile.h"
#include "model/keyboard_options.h"

namespace varnel {

// Which applications get which profile: bundle identifiers, exact or by prefix, as data. Asked
// on the main thread when the application in front changes, never on a key's path.
namespace ApplicationProfiles {

struct Entry {
    // A prefix ends in a period and matches every identifier that starts with it
    // ("com.jetbrains." for each JetBrains IDE); anything else matches exactly.
    std::string_view identifier;
    ApplicationKind kind;
    std::string_view application;  // its name, for the reader of this table

    constexpr bool isPrefix() const { return !identifier.empty() && identifier.back() == '.'; }
};

std::span<const Entry> entries();

// The profile of the application with this identifier (compared without regard to ASCII case,
// as the system's are), standard when the table does not know it.
ApplicationKind of(std::string_view bundleIdentifier);

// The switch of the options record that turns the profile's rules on (none for standard).
bool KeyboardOptions::*switchOf(ApplicationProfile profile);

// The profile in force: standard when its switch is off.
ApplicationKind inForce(ApplicationKind kind, const KeyboardOptions& options);

// Whether the profile's rules differ inside and outside a text field, so that the focus of
// the application is worth following.
bool dependsOnFocus(ApplicationProfile profile);

}  // namespace ApplicationProfiles

}  // namespace varnel
