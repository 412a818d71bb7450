#pragma once

#include <cstdint>

namespace varnel {

// The bits of a keyboard event's modifier flags (CGEventFlags), named once.
namespace Flags {

inline constexpr std::uint64_t capsLock = 0x10000;
inline constexpr std::uint64_t shift = 0x20000;
inline constexpr std::uint64_t control = 0x40000;
inline constexpr std::uint64_t option = 0x80000;
inline constexpr std::uint64_t command = 0x100000;
inline constexpr std::uint64_t numericPad = 0x200000;
inline constexpr std::uint64_t help = 0x400000;
inline constexpr std::uint64_t secondaryFn = 0x800000;
inline constexpr std::uint64_t nonCoalesced = 0x100;

// Device bits that tell the left key from the right one.
inline constexpr std::uint64_t leftControl = 0x1;
inline constexpr std::uint64_t leftShift = 0x2;
inline constexpr std::uint64_t rightShift = 0x4;
inline constexpr std::uint64_t leftCommand = 0x8;
inline constexpr std::uint64_t rightCommand = 0x10;
inline constexpr std::uint64_t leftOption = 0x20;
inline constexpr std::uint64_t rightOption = 0x40;
inline constexpr std::uint64_t rightControl = 0x2000;

// The four modifiers, and the device bits of each one's two keys.
inline constexpr std::uint64_t modifiers = shift | control | option | command;
inline constexpr std::uint64_t controlKeys = leftControl | rightControl;
inline constexpr std::uint64_t commandKeys = leftCommand | rightCommand;
inline constexpr std::uint64_t shiftKeys = leftShift | rightShift;
inline constexpr std::uint64_t optionKeys = leftOption | rightOption;
inline constexpr std::uint64_t modifierKeys = controlKeys | commandKeys | shiftKeys | optionKeys;

constexpr bool has(std::uint64_t flags, std::uint64_t bits) {
    return (flags & bits) == bits;
}
constexpr bool hasAny(std::uint64_t flags, std::uint64_t bits) {
    return (flags & bits) != 0;
}

}  // namespace Flags

}  // namespace varnel
