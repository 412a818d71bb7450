#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/flags.h"

namespace varnel {

// The Control and Command keys an application holds, told apart by their device bits
// (left Control 0x1, right Control 0x2000, left Command 0x8, right Command 0x10), and the
// key events that bring the application from the keys it believes down to the keys in force.
namespace ModifierHandover {

// The Control and Command keys down in `flags`. A modifier bit without either device bit
// (a system that does not report sides) counts as its left key. Read for every event.
constexpr std::uint64_t controlAndCommandKeys(std::uint64_t flags) {
    std::uint64_t keys = flags & (Flags::controlKeys | Flags::commandKeys);
    if ((flags & Flags::control) && !(flags & Flags::controlKeys)) {
        keys |= Flags::leftControl;
    }
    if ((flags & Flags::command) && !(flags & Flags::commandKeys)) {
        keys |= Flags::leftCommand;
    }
    return keys;
}

// `flags` with exactly the Control and Command keys in `keys` down, modifier bits included.
constexpr std::uint64_t withControlAndCommandKeys(std::uint64_t flags, std::uint64_t keys) {
    flags &= ~(Flags::control | Flags::command | Flags::controlKeys | Flags::commandKeys);
    flags |= keys;
    if (keys & Flags::controlKeys) {
        flags |= Flags::control;
    }
    if (keys & Flags::commandKeys) {
        flags |= Flags::command;
    }
    return flags;
}

struct KeyChange {
    std::uint16_t keyCode;
    bool down;
    std::uint64_t keysAfter;  // the Control and Command keys down once the change is posted
};

struct Plan {
    std::array<KeyChange, 4> changes{};
    std::size_t count = 0;
};

// Every key the application may hold and that is not in force goes up first, then every key
// in force that it does not surely hold goes down; each in a fixed order (left Control,
// right Control, left Command, right Command). Where the application's view is known the
// two are the same; after a gap it is not, and a key sent up or down once more does no harm
// where one missing stays down.
Plan between(std::uint64_t mayHold, std::uint64_t surelyHeld, std::uint64_t inForce);

}  // namespace ModifierHandover

}  // namespace varnel
