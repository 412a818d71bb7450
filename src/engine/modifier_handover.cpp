#include "engine/modifier_handover.h"

#include "mapping/windows_mapping.h"
#include "model/flags.h"

namespace varnel::ModifierHandover {

namespace {

struct Key {
    std::uint64_t deviceBit;
    std::uint16_t keyCode;
};

constexpr Key keys[] = {
    {Flags::leftControl, WindowsMapping::leftControl},
    {Flags::rightControl, 62},
    {Flags::leftCommand, WindowsMapping::leftCommand},
    {Flags::rightCommand, 54},
};

}  // namespace

Plan between(std::uint64_t mayHold, std::uint64_t surelyHeld, std::uint64_t inForce) {
    Plan plan;
    std::uint64_t down = mayHold;
    for (const Key& key : keys) {
        if ((mayHold & key.deviceBit) && !(inForce & key.deviceBit)) {
            down &= ~key.deviceBit;
            plan.changes[plan.count++] = {key.keyCode, false, down};
        }
    }
    for (const Key& key : keys) {
        if ((inForce & key.deviceBit) && !(surelyHeld & key.deviceBit)) {
            down |= key.deviceBit;
            plan.changes[plan.count++] = {key.keyCode, true, down};
        }
    }
    return plan;
}

}  // namespace varnel::ModifierHandover
