#include "platform/sim/sim_keyboard.h"

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

bool reportsSecondaryFn(std::uint16_t keyCode) {
    switch (keyCode) {
        // F1 to F15
        case 122: case 120: case 99: case 118: case 96: case 97: case 98: case 100:
        case 101: case 109: case 103: case 111: case 105: case 107: case 113:
        // Help/Insert, Home, Page Up, forward Delete, End, Page Down
        case 114: case 115: case 116: case 117: case 119: case 121:
        // arrows
        case 123: case 124: case 125: case 126:
            return true;
        default:
            return false;
    }
}

bool reportsNumericPad(std::uint16_t keyCode) {
    switch (keyCode) {
        case 65: case 67: case 69: case 71: case 75: case 76: case 78: case 81:
        case 82: case 83: case 84: case 85: case 86: case 87: case 88: case 89: case 91: case 92:
        case 123: case 124: case 125: case 126:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool SimKeyboard::isModifierKey(std::uint16_t keyCode) {
    // Command, Shift, Caps Lock, Option, Control (left and right) and Fn.
    return keyCode >= 54 && keyCode <= 63;
}

std::uint64_t SimKeyboard::flagsFor(std::uint16_t keyCode) const {
    std::uint64_t flags = Flags::nonCoalesced;
    for (const ModifierKey& key : modifierKeys) {
        if (down_.test(key.keyCode)) {
            flags |= key.bits;
        }
    }
    if (capsLockOn_) {
        flags |= Flags::capsLock;
    }
    if (reportsSecondaryFn(keyCode)) {
        flags |= Flags::secondaryFn;
    }
    if (reportsNumericPad(keyCode)) {
        flags |= Flags::numericPad;
    }
    return flags;
}

void SimKeyboard::send(std::uint32_t type, std::uint16_t keyCode, bool autorepeat) {
    SimEvent event;
    event.type = type;
    event.keyCode = keyCode;
    event.autorepeat = autorepeat ? 1 : 0;
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
    send(isModifierKey(keyCode) ? EventType::flagsChanged : EventType::keyDown, keyCode);
    return true;
}

bool SimKeyboard::release(std::uint16_t keyCode) {
    if (!down_.test(keyCode)) {
        return false;
    }
    down_.reset(keyCode);
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
