#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "mapping/key_codes.h"
#include "mapping/key_context.h"
#include "model/key_chord.h"
#include "model/windows_action.h"

namespace varnel::WindowsMapping {

// One rule an application profile adds, replaces or passes, as data. A rule matches a key of
// `keys` when the modifiers held are exactly `required`, give or take those in `optional`, and
// the focus is where it applies; the first rule of the profile that matches decides, before
// the standard rules.
struct ProfileRule {
    enum class Outcome : std::uint8_t {
        chord,     // post keyCode with flags (Shift added when held and optional)
        sameKey,   // post the key itself with flags (Shift added when held and optional)
        asTyped,   // post the key with the modifiers held, Ctrl as Control: no exchange
        pass,      // no rule: the key passes with the exchange
        swallow,   // nothing reaches the application
        cutFiles,  // as chord, and the files on the clipboard are to be moved
    };
    enum class Where : std::uint8_t {
        anywhere,
        outsideText,          // not while a text field has the focus
        outsideTextFilesCut,  // the same, while files cut with Ctrl + X wait to be moved
    };

    ApplicationVariant variant;  // none: every application of the profile
    KeySet keys;
    unsigned required;
    unsigned optional;
    Where where;
    Outcome outcome;
    std::uint16_t keyCode;
    std::uint64_t flags;
    StaticText name;
};

// The rules of a profile, in the order they are tried (none for the standard profile).
std::span<const ProfileRule> profileRules(ApplicationProfile profile);

// The answer of the first rule of the profile in `context` that matches, or none.
std::optional<WindowsSpecialAction> profileAction(std::uint16_t keyCode, unsigned held,
                                                  const KeyContext& context);

}  // namespace varnel::WindowsMapping
