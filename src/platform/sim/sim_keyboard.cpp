#include "platform/sim/sim_keyboard.h"

#include <array>

#include "model/flags.h"

namespace varnel {

namespace {

struct ModifierKey {
    std::uint16_t keyCode;
    std::uint64_t bits;  // the modifier bit and the key's device bit
};

constexpr ModifierKey modifierKeys[] = {
    {54, Flags::command | Flags::rightCommand}, {55, Flags::command | Flags::leftCommand},
    {56, Flags::shift | Flags::leftShift},      {58, Flags::option | Flags::leftOption},
    {59, Flags::control | Flags::leftControl},  {60, Flags::shift | Flags::rightShift},
    {61, Flags::option | Flags::rightOption},   {62, Flags::control | Flags::rightControl},
    {SimKeyboard::fnKey, Flags::secondaryFn},
};

// What a key reports besides the modifiers, by key code: secondary Fn on F1 to F15, Help/
// Insert, Home, Page Up, forward Delete, End, Page Down and the arrows; numeric pad on the
// keypad and the arrows.
constexpr std::uint16_t secondaryFnKeys[] = {122, 120, 99,  118, 96,  97,  98,  100, 101,
                                             109, 103, 111, 105, 107, 113, 114, 115, 116,
                                             117, 119, 121, 123, 124, 125, 126};
constexpr std::uint16_t numericPadKeys[] = {65, 67, 69, 71, 75, 76, 78, 81,  82,  83,  84,
                                            85, 86, 87, 88, 89, 91, 92, 123, 124, 125, 126};

constexpr std::array<std::uint64_t, 128> keyFlags = [] {
    std::array<std::uint64_t, 128> flags{};
    for (std::uint16_t key : secondaryFnKeys) {
        flags[key] |= Flags::secondaryFn;
    }
    for (std::uint16_t key : numericPadKeys) {
        flags[key] |= Flags::numericPad;
    }
    return flags;
}();

}  // namespace

bool SimKeyboard::isModifierKey(std::uint16_t keyCode) {
    // Command, Shift, Caps Lock, Option, Control (left and right) and Fn.
    return keyCode >= 54 && keyCode <= 63;
}

std::uint64_t SimKeyboard::modifierFlags() const {
    std::uint64_t flags = capsLockOn_ ? Flags::capsLock : 0;
    for (const ModifierKey& key : modifierKeys) {
        if (down_.test(key.keyCode)) {
            flags |= key.bits;
        }
    }
    return flags;
}

std::uint64_t SimKeyboard::flagsFor(std::uint16_t keyCode) const {
    const std::uint64_t flags = modifierFlags() | Flags::nonCoalesced;
    return keyCode < keyFlags.size() ? flags | keyFlags[keyCode] : flags;
}

void SimKeyboard::send(std::uint32_t type, std::uint16_t keyCode, bool autorepeat) {
    SimEvent event;
    event.type = type;
    event.keyCode = keyCode;
    event.autorepeat = autorepeat ? 1 : 0;
    event.keyboardType = SimEventSystem::keyboardTypeOf(layout);
    event.flags = flagsFor(keyCode);
    events_.inject(event);
}

bool SimKeyboard::press(std::uint16_t keyCode) {
    if (down_.test(keyCode)) {
        return false;
    }
    down_.set(keyCode);
    if (keyCode == capsLockKey) {
        capsLockOn_ = !capsLockOn_;
    }
    events_.setPhysicalModifierFlags(modifierFlags());
    send(isModifierKey(keyCode) ? EventType::flagsChanged : EventType::keyDown, keyCode);
    return true;
}

bool SimKeyboard::release(std::uint16_t keyCode) {
    if (!down_.test(keyCode)) {
        return false;
    }
    down_.reset(keyCode);
    events_.setPhysicalModifierFlags(modifierFlags());
    if (keyCode == capsLockKey) {
        return true;  // Caps Lock toggles on press; its release sends nothing
    }
    send(isModifierKey(keyCode) ? EventType::flagsChanged : EventType::keyUp, keyCode);
    return true;
}

bool SimKeyboard::repeat(std::uint16_t keyCode) {
    if (!down_.test(keyCode) || isModifierKey(keyCode)) {
        return false;
    }
    send(EventType::keyDown, keyCode, true);
    return true;
}

}  // namespace varnel
