#pragma once

#include <Carbon/Carbon.h>

#include "model/keyboard_type.h"

namespace varnel {

// The physical layout the system gives a keyboard type (KBGetLayoutType, HIToolbox), compared
// with its constants: anything but ISO and JIS, kKeyboardANSI included, is ANSI.
inline KeyboardType macKeyboardLayout(SInt16 keyboardType) {
    switch (KBGetLayoutType(keyboardType)) {
        case kKeyboardISO: return KeyboardType::iso;
        case kKeyboardJIS: return KeyboardType::jis;
        default: return KeyboardType::ansi;
    }
}

}  // namespace varnel
