#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/keyboard_type.h"

namespace varnel {

// Readable names of keys and modifier masks for the diagnostics, after the Windows
// keyboard: Command is "Windows", Option is "Alt", Control is "Ctrl". A key is named by what
// is printed on it on a keyboard of the type given: on ISO the key left of 1 reports code 10
// and is "`", the extra key left of Z reports code 50 and is "\ (ISO)"; on ANSI and JIS
// code 50 is "`" and code 10 (no key of theirs) has no name.
namespace KeyNames {

// The key's name; a key without one is "Клавиша (код N)".
std::string name(std::uint16_t keyCode, KeyboardType keyboard = KeyboardType::ansi);
// "Ctrl", "Alt", "Shift", "Windows" for the bits set, in that order, joined by " + ".
std::string modifiersDescription(std::uint64_t flags);
// The modifiers, then " + ", then the key name; the key name alone without modifiers.
std::string physicalDescription(std::uint16_t keyCode, std::uint64_t flags,
                                KeyboardType keyboard = KeyboardType::ansi);

// The same texts written into an existing string, reusing its storage: the diagnostics'
// delivery calls these so that a warmed-up engine allocates nothing for them.
void writeName(std::string& out, std::uint16_t keyCode, KeyboardType keyboard = KeyboardType::ansi);
void writeModifiersDescription(std::string& out, std::uint64_t flags);
void writePhysicalDescription(std::string& out, std::uint16_t keyCode, std::uint64_t flags,
                              KeyboardType keyboard = KeyboardType::ansi);
// A string with this much room takes any key description writePhysicalDescription() writes
// in copies of a fixed size, the quickest way; reserve it for a string written often.
inline constexpr std::size_t descriptionRoom = 56;

// The table entry for a code, or an empty view for a code without one.
std::string_view tableName(std::uint16_t keyCode, KeyboardType keyboard = KeyboardType::ansi);

}  // namespace KeyNames

}  // namespace varnel
