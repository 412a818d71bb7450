#include "engine_fixture.h"

#include "engine/modifier_handover.h"
#include "model/flags.h"

namespace varnel {
namespace {

class EngineModifiers : public EngineFixture {
  protected:
    void SetUp() override { startEngine(); }
};

TEST_F(EngineModifiers, ControlAndCommandKeysTradePlaces) {
    struct Case {
        std::uint16_t key;
        const char* passed;
        const char* physical;
        const char* transformed;
    };
    const Case cases[] = {
        {Key::leftCtrl, "flags LeftWin [Command]", "Ctrl + Left Ctrl", "Windows + Left Windows"},
        {Key::leftWin, "flags LeftCtrl [Control]", "Windows + Left Windows", "Ctrl + Left Ctrl"},
        {Key::rightWin, "flags RightCtrl [Control]", "Windows + Right Windows",
         "Ctrl + Right Ctrl"},
        {Key::rightCtrl, "flags RightWin [Command]", "Ctrl + Right Ctrl",
         "Windows + Right Windows"},
        {Key::rightAlt, "flags RightAlt [Option]", "Alt + Right Alt", "Alt + Right Alt"},
        {Key::fn, "flags Fn [Fn]", "Клавиша (код 63)", "Клавиша (код 63)"},
        {Key::capsLock, "flags CapsLock [CapsLock]", "Caps Lock", "Caps Lock"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        clear();
        keyboard.press(c.key);
        EXPECT_EQ(received, Lines{c.passed});
        EXPECT_EQ(lastSnapshot().lastPhysicalKey, c.physical);
        EXPECT_EQ(snapshots.back().lastTransformedAction, c.transformed);
        keyboard.release(c.key);
    }
}

TEST_F(EngineModifiers, ShiftAltTogglesOncePerPress) {
    keyboard.press(Key::leftShift);
    clear();
    keyboard.press(Key::leftAlt);
    settle();
    EXPECT_EQ(timeline, (Lines{"diagnostic Shift + Alt → Русская · Windows", "language russian",
                               "diagnostic Alt + Shift + Left Alt"}));
    EXPECT_EQ(received, (Lines{"flags LeftAlt [Option+Shift]"}));
    clear();

    keyboard.press(Key::leftCtrl);  // Shift and Alt still down: no second toggle
    keyboard.release(Key::leftCtrl);
    settle();
    EXPECT_EQ(reports, Lines{});

    keyboard.release(Key::leftAlt);  // Shift stays; Alt again toggles again
    keyboard.press(Key::leftAlt);
    settle();
    EXPECT_EQ(reports, (Lines{"language english"}));
    EXPECT_EQ(snapshots.back().typingLanguage, WindowsTypingLanguage::english);
}

TEST_F(EngineModifiers, ShiftAltDoesNothingWhenSwitchedOff) {
    setOption(&KeyboardOptions::altShiftChangesLanguage, false);
    keyboard.press(Key::leftShift);
    keyboard.press(Key::leftAlt);
    keyboard.release(Key::leftAlt);
    keyboard.release(Key::leftShift);
    setOption(&KeyboardOptions::altShiftChangesLanguage, true);  // the latch stayed clear
    keyboard.press(Key::rightShift);
    keyboard.press(Key::rightAlt);
    settle();
    EXPECT_EQ(reports, (Lines{"language russian"}));
}

TEST_F(EngineModifiers, ThreeModifiersInOneEventToggle) {
    events.inject(makeEvent(EventType::flagsChanged, Key::leftAlt,
                            Flags::control | Flags::shift | Flags::option));
    settle();
    EXPECT_EQ(reports, (Lines{"language russian"}));
    EXPECT_EQ(received, (Lines{"flags LeftAlt [Option+Shift+Command]"}));
}

TEST_F(EngineModifiers, FlagsChangedEventsAreNeverDropped) {
    const std::uint16_t modifiers[] = {
        Key::leftCtrl,   Key::leftShift, Key::leftAlt,  Key::leftWin,  Key::rightCtrl,
        Key::rightShift, Key::rightAlt,  Key::rightWin, Key::capsLock, Key::fn};
    for (bool allOn : {true, false}) {
        for (const auto& field : KeyboardOptions::fields) {
            setOption(field.member, allOn);
        }
        clear();
        for (auto key : modifiers) {
            keyboard.press(key);
        }
        for (auto key : modifiers) {
            keyboard.release(key);
        }
        settle();
        // Caps Lock sends nothing on release.
        EXPECT_EQ(received.size(), 19u);
    }
}

// What the handover posts: keys the application may hold and that are not in force go up,
// keys in force that it does not surely hold go down. A modifier bit reported without a
// device bit counts as the left key.
TEST(ModifierHandover, PlansTheKeysToSendUpAndDown) {
    using namespace Flags;
    using ModifierHandover::between;
    using ModifierHandover::controlAndCommandKeys;
    struct Case {
        std::uint64_t mayHold;
        std::uint64_t surelyHeld;
        std::uint64_t inForce;
        std::vector<std::string> changes;  // key code, then u or d
    };
    const Case cases[] = {
        {leftControl, leftControl, leftCommand, {"59u", "55d"}},
        {rightCommand | leftControl,
         rightCommand | leftControl,
         leftControl | rightControl,
         {"54u", "62d"}},
        {leftCommand, leftCommand, leftCommand, {}},
        {leftCommand | leftControl, 0, leftCommand, {"59u", "55d"}},  // after a gap
        {0, 0, 0, {}},
    };
    for (const Case& c : cases) {
        const ModifierHandover::Plan plan = between(c.mayHold, c.surelyHeld, c.inForce);
        std::vector<std::string> changes;
        for (std::size_t i = 0; i < plan.count; ++i) {
            changes.push_back(std::to_string(plan.changes[i].keyCode) +
                              (plan.changes[i].down ? "d" : "u"));
        }
        EXPECT_EQ(changes, c.changes) << std::hex << c.mayHold << " " << c.inForce;
        if (plan.count > 0) {
            EXPECT_EQ(plan.changes[plan.count - 1].keysAfter, c.inForce);
        }
    }
    EXPECT_EQ(controlAndCommandKeys(control | command | shift | leftShift),
              leftControl | leftCommand);
    EXPECT_EQ(controlAndCommandKeys(control | rightControl | command | rightCommand),
              rightControl | rightCommand);
}

}  // namespace
}  // namespace varnel
