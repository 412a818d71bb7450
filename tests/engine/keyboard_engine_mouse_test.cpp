#include "engine_fixture.h"
#include "model/flags.h"
#include "platform/sim/sim_mouse.h"

namespace varnel {
namespace {

// Mouse buttons through the tap while Ctrl + click is on: Control and Command exchanged with
// their device bits, nothing else, and never counted as keys.
class EngineMouse : public EngineFixture {
  protected:
    EngineMouse() {
        events.onReceive = [this](const ReceivedEvent& event) {
            received.push_back(SimKeyNames::describe(event));
            lastFlags = event.flags;
        };
    }
    void controlClickOn(bool on) { setOption(&KeyboardOptions::windowsControlClick, on); }
    SimMouse mouse{events, keyboard};
    std::uint64_t lastFlags = 0;
};

TEST_F(EngineMouse, ExchangesControlAndCommandOnEveryButton) {
    controlClickOn(true);
    startEngine();
    struct Case {
        std::uint16_t held;
        SimMouse::Button button;
        std::uint64_t received;  // the flags of the button's release, device bits included
    };
    const Case cases[] = {
        {Key::leftCtrl, SimMouse::Button::left, Flags::command | Flags::leftCommand},
        {Key::rightCtrl, SimMouse::Button::right, Flags::command | Flags::rightCommand},
        {Key::leftWin, SimMouse::Button::other, Flags::control | Flags::leftControl},
        {Key::leftShift, SimMouse::Button::left, Flags::shift | Flags::leftShift},
    };
    for (const Case& c : cases) {
        keyboard.press(c.held);
        mouse.drag(c.button);
        EXPECT_EQ(lastFlags, c.received) << c.held;
        keyboard.release(c.held);
    }
    mouse.click(SimMouse::Button::left);
    EXPECT_EQ(lastFlags, 0u);
}

TEST_F(EngineMouse, ClicksAreNeitherCountedNorDescribed) {
    controlClickOn(true);
    startEngine();
    keyboard.press(Key::a);
    keyboard.release(Key::a);
    settle();
    const DiagnosticSnapshot before = snapshots.back();
    clear();
    // Far more clicks in one instant than the rate guard allows keys.
    for (int i = 0; i < 1600; ++i) {
        mouse.click(SimMouse::Button::left);
    }
    settle();
    EXPECT_EQ(reports, Lines{});
    EXPECT_TRUE(snapshots.empty());
    keyboard.press(Key::a);
    keyboard.release(Key::a);
    EXPECT_EQ(lastSnapshot().processedEvents, before.processedEvents + 2);
    EXPECT_EQ(events.activeTapCount(), 1u);
}

TEST_F(EngineMouse, TheTapTakesTheMouseOnlyWhileTheSwitchIsOn) {
    startEngine();
    keyboard.press(Key::leftCtrl);
    clear();
    mouse.click(SimMouse::Button::left);
    EXPECT_EQ(lastFlags, Flags::control | Flags::leftControl);  // unseen by the tap

    // Switched on while running: one tap, replaced; the old one may have been disabled
    // unannounced, so the keys held are told again as after a gap.
    controlClickOn(true);
    settle();
    EXPECT_EQ(events.activeTapCount(), 1u);
    EXPECT_EQ(events.liveTapCount(), 1u);
    mouse.click(SimMouse::Button::left);
    EXPECT_EQ(received,
              (Lines{"click left [Control]", "release left [Control]", "flags LeftCtrl [Command]",
                     "flags LeftWin [Command]", "click left [Command]", "release left [Command]"}));
    keyboard.release(Key::leftCtrl);
    EXPECT_EQ(received.back(), "flags LeftWin []");

    controlClickOn(false);
    keyboard.press(Key::leftWin);
    mouse.click(SimMouse::Button::left);
    EXPECT_EQ(lastFlags, Flags::command | Flags::leftCommand);
    keyboard.release(Key::leftWin);
}

// Refused by the system, or not made for want of trust (it would see mouse buttons and no
// key), the new tap leaves the one in place.
TEST_F(EngineMouse, ATapTheSystemRefusesLeavesTheOneInPlace) {
    startEngine();
    events.tapAllowed = [] { return false; };
    controlClickOn(true);
    EXPECT_EQ(events.activeTapCount(), 1u);
    keyboard.press(Key::leftCtrl);
    EXPECT_EQ(received.back(), "flags LeftWin [Command]");  // the keyboard as before
    keyboard.release(Key::leftCtrl);
    events.tapAllowed = nullptr;
    events.processTrusted = [] { return false; };
    controlClickOn(false);
    controlClickOn(true);
    events.processTrusted = nullptr;
    chord({Key::leftCtrl, Key::c});
    EXPECT_EQ(received[received.size() - 3], "down C [Command]");  // keys still go through it
    // Allowed again, the next change of options takes the mouse.
    controlClickOn(true);
    keyboard.press(Key::leftCtrl);
    mouse.click(SimMouse::Button::left);
    EXPECT_EQ(lastFlags, Flags::command | Flags::leftCommand);
    keyboard.release(Key::leftCtrl);
}

}  // namespace
}  // namespace varnel
