#include <gtest/gtest.h>

#include "mapping/windows_mapping.h"
#include "model/flags.h"

namespace varnel {
namespace {

using namespace Flags;

// The device bits travel with their modifier, so the side an application reads agrees with
// the key code it was given.
TEST(Swap, ControlAndCommandTradePlaces) {
    const std::pair<std::uint64_t, std::uint64_t> cases[] = {
        {control | shift, command | shift},
        {command, control},
        {control | command, control | command},
        {0, 0},
        {control | leftControl | capsLock | secondaryFn | numericPad | nonCoalesced,
         command | leftCommand | capsLock | secondaryFn | numericPad | nonCoalesced},
        {option | rightCommand | command, option | rightControl | control},
        {control | rightControl, command | rightCommand},
        {command | leftCommand | control | leftControl,
         command | leftCommand | control | leftControl},
        {control | leftControl | command | rightCommand,
         command | leftCommand | control | rightControl},
        {shift | leftShift | rightShift | option | leftOption | rightOption,
         shift | leftShift | rightShift | option | leftOption | rightOption},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(WindowsMapping::swapControlAndCommand(in), out) << std::hex << in;
    }
}

TEST(Swap, OnlyTheFourControlAndCommandKeysMove) {
    for (std::uint16_t code = 0; code < 200; ++code) {
        std::uint16_t expected = code;
        switch (code) {
            case 54: expected = 62; break;
            case 55: expected = 59; break;
            case 59: expected = 55; break;
            case 62: expected = 54; break;
        }
        EXPECT_EQ(WindowsMapping::swappedModifierKeyCode(code), expected) << code;
    }
    EXPECT_EQ(WindowsMapping::swappedModifierKeyCode(65535), 65535);
}

}  // namespace
}  // namespace varnel
