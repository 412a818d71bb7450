#pragma once

#include <cstdint>

namespace varnel {

// The physical layout of the keyboard in use, as the system reports it. ISO keyboards (most
// of Europe, Russia included) have an extra key left of Z, and report the key left of 1 and
// that extra key under each other's codes.
enum class KeyboardType : std::uint8_t { ansi, iso, jis };

}  // namespace varnel
