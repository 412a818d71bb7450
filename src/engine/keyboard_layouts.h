#pragma once

#include <array>
#include <cstdint>

#include "engine/event_platform.h"
#include "model/keyboard_type.h"

namespace varnel {

// The physical layout of the keyboard each key event came from: the event's keyboard type,
// looked up in the platform's table once per type and kept. A Mac has few keyboard types at
// once (a MacBook's and an external one), and the answer for a type never changes, so a key
// costs one read of the event and one of this table. Used on the tap's path only.
class KeyboardLayouts {
  public:
    KeyboardType of(EventPlatform& platform, EventRef event) {
        const std::int64_t type =
            platform.integerField(event, EventField::keyboardEventKeyboardType);
        if (type < 0 || type >= static_cast<std::int64_t>(known_.size())) [[unlikely]] {
            return platform.keyboardLayoutType(type);  // no type a keyboard reports: not kept
        }
        std::uint8_t& known = known_[static_cast<std::size_t>(type)];
        if (known == 0) [[unlikely]] {
            known = static_cast<std::uint8_t>(platform.keyboardLayoutType(type)) + 1;
        }
        return static_cast<KeyboardType>(known - 1);
    }

  private:
    // Keyboard types are one byte (the system's LMGetKbdType is a UInt8): 0 for a type not
    // asked about yet, else its layout + 1.
    std::array<std::uint8_t, 256> known_{};
};

}  // namespace varnel
