#pragma once

#include <bitset>
#include <cstdint>

#include "platform/sim/sim_event_system.h"

namespace varnel {

// The physical keyboard of the simulated Mac. A modifier key sends a flags-changed event
// with its own key code; any other key sends key down and key up. Every event carries the
// flags a Mac reports: the bits of the modifiers held with their left/right device bits,
// Caps Lock while it is on, secondary Fn while Fn is held and on the function and
// navigation keys, numeric pad on the arrows and the keypad, and the non-coalesced bit.
// The HID state (the modifiers physically down) changes before the event is sent.
class SimKeyboard {
  public:
    static constexpr std::uint16_t capsLockKey = 57;
    static constexpr std::uint16_t fnKey = 63;

    explicit SimKeyboard(SimEventSystem& events) : events_(events) {}

    // Each answers false, and sends nothing, when the key is in the wrong state: pressing a
    // key that is down, releasing or repeating one that is up, repeating a modifier.
    bool press(std::uint16_t keyCode);
    bool release(std::uint16_t keyCode);
    bool repeat(std::uint16_t keyCode);

    // The kind of keyboard the keys come from, whose type every key event carries: an ANSI one
    // unless told. A change applies from the next key on, as when the user types on another
    // keyboard.
    KeyboardType layout = KeyboardType::ansi;

    bool isDown(std::uint16_t keyCode) const { return down_.test(keyCode); }
    bool anyDown() const { return down_.any(); }
    bool capsLockOn() const { return capsLockOn_; }

    static bool isModifierKey(std::uint16_t keyCode);
    // The flags of an event of this key in the current state of the keyboard.
    std::uint64_t flagsFor(std::uint16_t keyCode) const;
    // The modifiers down (with their device bits), Caps Lock and Fn: what the HID system
    // reports, kept up to date in the event system.
    std::uint64_t modifierFlags() const;

  private:
    void send(std::uint32_t type, std::uint16_t keyCode, bool autorepeat = false);

    SimEventSystem& events_;
    std::bitset<65536> down_;
    bool capsLockOn_ = false;
};

}  // namespace varnel
