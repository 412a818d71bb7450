#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "mapping/key_context.h"
#include "model/flags.h"
#include "model/keyboard_options.h"
#include "model/keyboard_type.h"
#include "model/windows_action.h"
#include "model/windows_typing_language.h"

namespace varnel {

// Windows shortcuts as macOS chords, the Ctrl/Command exchange and the built-in typing
// layouts. Pure functions over constant tables: they run in the event tap for every key,
// so they allocate nothing.
namespace WindowsMapping {

inline constexpr std::uint16_t tab = 48;
inline constexpr std::uint16_t escape = 53;
inline constexpr std::uint16_t leftControl = 59;
inline constexpr std::uint16_t leftCommand = 55;
inline constexpr std::uint16_t leftOption = 58;
inline constexpr std::uint16_t leftShift = 56;
inline constexpr std::uint16_t rightCommand = 54;
inline constexpr std::uint16_t space = 49;

// The Windows action for a physical key press, decided on physical values, in the application
// and focus of `context`.
WindowsSpecialAction specialAction(std::uint16_t keyCode, std::uint64_t physicalFlags,
                                   const KeyboardOptions& options,
                                   const KeyContext& context = KeyContext{});

// Whether files cut in Finder stay cut across this key: moving to where they go does not
// forget them, anything else does.
bool keepsFilesCut(std::uint16_t keyCode);

// The mask with Control and Command exchanged, their device bits with them (left Control with
// left Command, right Control with right Command), so that the side an application reads
// agrees with the key code; every other bit kept.
constexpr std::uint64_t swapControlAndCommand(std::uint64_t flags) {
    // Each pair is one fixed shift apart: no branch on the tap's path.
    static_assert(Flags::control << 2 == Flags::command);
    static_assert(Flags::leftControl << 3 == Flags::leftCommand);
    static_assert(Flags::rightControl >> 9 == Flags::rightCommand);
    constexpr std::uint64_t moved = Flags::control | Flags::command | Flags::leftControl |
                                    Flags::leftCommand | Flags::rightControl | Flags::rightCommand;
    return (flags & ~moved) | (flags & Flags::control) << 2 | (flags & Flags::command) >> 2 |
           (flags & Flags::leftControl) << 3 | (flags & Flags::leftCommand) >> 3 |
           (flags & Flags::rightControl) >> 9 | (flags & Flags::rightCommand) << 9;
}

// The modifier key in the exchanged position (Ctrl for Windows and back), or the code itself.
// Here, for the tap to inline: every modifier key asks.
constexpr std::uint16_t swappedModifierKeyCode(std::uint16_t keyCode) {
    // Indexed by code - 54; the mask selects 54, 55, 59 and 62.
    constexpr std::uint16_t first = 54;
    constexpr std::uint16_t swapped[] = {62, 59, 56, 57, 58, 55, 60, 61, 54};
    constexpr unsigned members = 1u << 0 | 1u << 1 | 1u << 5 | 1u << 8;
    const unsigned index = static_cast<unsigned>(keyCode) - first;
    if (index < 9 && (members >> index & 1u)) {
        return swapped[index];
    }
    return keyCode;
}

// The key code at the same position on an ANSI keyboard (model/keyboard_type.h).
using varnel::ansiPositionKeyCode;

// The character the Windows English or Russian PC layout types for this key, or nothing
// (a press with Ctrl, Alt, Windows or Fn, or a key without built-in text).
std::optional<std::string_view> printableText(std::uint16_t keyCode, std::uint64_t physicalFlags,
                                              WindowsTypingLanguage language);

}  // namespace WindowsMapping

}  // namespace varnel
