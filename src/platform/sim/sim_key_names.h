#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/sim/sim_event_system.h"

namespace varnel::SimKeyNames {

// The key code of a physical key name ("A", "LeftCtrl", "F5", "#105") on a keyboard of this
// type, matched without regard to case; Ctrl, Alt, Shift and Win mean the left keys, and
// Escape, Help, F13, F14 and F15 are other names of Esc, Insert, PrintScreen, ScrollLock and
// Pause. A key is named by what is printed on it: on ISO, Grave (the key left of 1) reports
// code 10 and IsoExtra (left of Z) code 50, the other way round from ANSI.
std::optional<std::uint16_t> keyCode(std::string_view name,
                                     KeyboardType keyboard = KeyboardType::ansi);
// The canonical name of a key code on a keyboard of this type, or "#N" when it has none.
std::string canonicalName(std::uint16_t keyCode, KeyboardType keyboard = KeyboardType::ansi);
// The bits among Control, Option, Shift, Command, CapsLock, Fn, NumPad, in that order:
// "[Control+Shift]", or "[]".
std::string describeFlags(std::uint64_t flags);
// "down C [Command]", "flags LeftCtrl [Control]", "up A []" followed by the text in quotes;
// a mouse button: "click left [Command]", "drag left [Command]", "release left [Command]".
std::string describe(const ReceivedEvent& event);
// Text in double quotes, with \ written \\, " written \" and a line break \n.
std::string quoted(std::string_view text);

}  // namespace varnel::SimKeyNames
