#include "platform/sim/sim_keyboard.h"

#include <gtest/gtest.h>

#include "model/flags.h"

namespace varnel {
namespace {

using namespace Flags;

class SimKeyboardTest : public ::testing::Test {
  protected:
    SimKeyboardTest() {
        events.onReceive = [this](const ReceivedEvent& e) { received.push_back(e); };
    }
    SimClock clock;
    SimEventSystem events{clock};
    SimKeyboard keyboard{events};
    std::vector<ReceivedEvent> received;
};

TEST_F(SimKeyboardTest, EventsCarryTheFlagsAMacReports) {
    struct Step {
        bool press;
        std::uint16_t key;
        std::uint32_t type;
        std::uint64_t flags;
    };
    const Step steps[] = {
        {true, 59, EventType::flagsChanged, control | leftControl},
        {true, 62, EventType::flagsChanged, control | leftControl | rightControl},
        {false, 59, EventType::flagsChanged, control | rightControl},
        {true, 60, EventType::flagsChanged, control | rightControl | shift | rightShift},
        {true, 123, EventType::keyDown,
         control | rightControl | shift | rightShift | secondaryFn | numericPad},
        {false, 123, EventType::keyUp,
         control | rightControl | shift | rightShift | secondaryFn | numericPad},
        {false, 60, EventType::flagsChanged, control | rightControl},
        {false, 62, EventType::flagsChanged, 0},
        {true, 61, EventType::flagsChanged, option | rightOption},
        {true, 54, EventType::flagsChanged, option | rightOption | command | rightCommand},
        {true, 55, EventType::flagsChanged,
         option | rightOption | command | rightCommand | leftCommand},
        {true, 58, EventType::flagsChanged,
         option | rightOption | leftOption | command | rightCommand | leftCommand},
        {true, 82, EventType::keyDown,
         option | rightOption | leftOption | command | rightCommand | leftCommand | numericPad},
        {true, 63, EventType::flagsChanged,
         option | rightOption | leftOption | command | rightCommand | leftCommand | secondaryFn},
        {true, 0, EventType::keyDown,
         option | rightOption | leftOption | command | rightCommand | leftCommand | secondaryFn},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.key);
        received.clear();
        ASSERT_TRUE(step.press ? keyboard.press(step.key) : keyboard.release(step.key));
        ASSERT_EQ(received.size(), 1u);
        EXPECT_EQ(received[0].type, step.type);
        EXPECT_EQ(received[0].keyCode, step.key);
        EXPECT_EQ(received[0].flags, step.flags | nonCoalesced);
        // The HID state the engine may ask for agrees with the event.
        EXPECT_EQ(events.physicalModifierFlags() & (modifiers | modifierKeys),
                  step.flags & (modifiers | modifierKeys));
    }
}

TEST_F(SimKeyboardTest, FunctionAndNavigationKeysReportFn) {
    for (std::uint16_t key : {122, 105, 113, 114, 115, 116, 117, 119, 121, 126}) {
        received.clear();
        keyboard.press(key);
        keyboard.release(key);
        EXPECT_EQ(received[0].flags, secondaryFn | nonCoalesced | (key == 126 ? numericPad : 0))
            << key;
    }
}

TEST_F(SimKeyboardTest, CapsLockTogglesOnPressAndItsReleaseSendsNothing) {
    keyboard.press(57);
    keyboard.release(57);
    keyboard.press(0);
    keyboard.press(57);
    keyboard.release(57);
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].flags, capsLock | nonCoalesced);
    EXPECT_EQ(received[1].flags, capsLock | nonCoalesced);
    EXPECT_EQ(received[2].type, EventType::flagsChanged);
    EXPECT_EQ(received[2].flags, nonCoalesced);
    EXPECT_FALSE(keyboard.capsLockOn());
}

TEST_F(SimKeyboardTest, RefusesKeysInTheWrongState) {
    EXPECT_FALSE(keyboard.release(0));
    EXPECT_FALSE(keyboard.repeat(0));
    EXPECT_TRUE(keyboard.press(0));
    EXPECT_FALSE(keyboard.press(0));
    EXPECT_TRUE(keyboard.repeat(0));
    EXPECT_TRUE(keyboard.press(56));
    EXPECT_FALSE(keyboard.repeat(56));
    EXPECT_EQ(received.size(), 3u);
}

}  // namespace
}  // namespace varnel
