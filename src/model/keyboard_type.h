#pragma once

#include <cstdint>

namespace varnel {

// The physical layout of the keyboard in use, as the system reports it. ISO keyboards (most
// of Europe, Russia included) have an extra key left of Z, and report the key left of 1 and
// that extra key under each other's codes.
enum class KeyboardType : std::uint8_t { ansi, iso, jis };

// The key code at the same place on an ANSI keyboard, which the built-in layouts and the key
// names are laid out for: on ISO the key left of 1 (code 10) and the key left of Z (code 50)
// trade codes; everything else is where it is. It is its own inverse: the code a key of an
// ANSI place reports on this keyboard.
constexpr std::uint16_t ansiPositionKeyCode(std::uint16_t keyCode, KeyboardType keyboard) {
    constexpr std::uint16_t isoSection = 10, grave = 50;
    if (keyboard == KeyboardType::iso && (keyCode == isoSection || keyCode == grave)) {
        return keyCode == isoSection ? grave : isoSection;
    }
    return keyCode;
}

}  // namespace varnel
