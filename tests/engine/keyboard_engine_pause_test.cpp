#include "engine_fixture.h"
#include "platform/sim/sim_mouse.h"

namespace varnel {
namespace {

// Paused by its owner, the engine passes everything as it is, says nothing, and hands the
// Control and Command keys over at each change (the handover while running is pinned by the
// scenarios of applications left alone and secure input).
using EnginePause = EngineFixture;

TEST_F(EnginePause, EverythingPassesAsItIsAndUncounted) {
    setOption(&KeyboardOptions::windowsControlClick, true);
    startEngine();
    engine->setPaused(true);
    clear();
    SimMouse mouse{events, keyboard};
    chord({Key::leftCtrl, Key::c});
    chord({Key::leftAlt, Key::tab});
    keyboard.press(Key::leftWin);
    mouse.click(SimMouse::Button::left);
    keyboard.release(Key::leftWin);
    keyboard.press(Key::a);
    for (int i = 0; i < 1600; ++i) {  // no rate guard: nothing is posted to loop
        keyboard.repeat(Key::a);
    }
    keyboard.release(Key::a);
    settle();
    EXPECT_EQ(Lines(received.begin(), received.begin() + 11),
              (Lines{"flags LeftCtrl [Control]", "down C [Control]", "up C [Control]",
                     "flags LeftCtrl []", "flags LeftAlt [Option]", "down Tab [Option]",
                     "up Tab [Option]", "flags LeftAlt []", "flags LeftWin [Command]",
                     "click left [Command]", "release left [Command]"}));
    EXPECT_EQ(received.back(), "up A []");
    EXPECT_EQ(reports, Lines{});
    EXPECT_TRUE(snapshots.empty());
}

TEST_F(EnginePause, StartingAndStoppingPausedLeaveTheKeysAsTheyAre) {
    engine->setPaused(true);
    keyboard.press(Key::leftCtrl);
    clear();
    ASSERT_TRUE(engine->start());
    engine->stop();
    settle();
    EXPECT_EQ(received, Lines{});
    // A gap while paused catches up as they are too: what may have gone down is sent down
    // once more, as they are.
    ASSERT_TRUE(engine->start());
    events.disableTapsBySystem(EventType::tapDisabledByUserInput, /*later=*/true);
    keyboard.press(Key::rightWin);
    runLoop.wait(0.1);
    EXPECT_EQ(received,
              (Lines{"flags RightWin [Control+Command]", "flags LeftCtrl [Control+Command]",
                     "flags RightWin [Control+Command]"}));
    // Resumed: the keys held go over to the exchange.
    clear();
    engine->setPaused(false);
    settle();
    EXPECT_EQ(received, (Lines{"flags LeftCtrl [Command]", "flags RightWin []",
                               "flags RightCtrl [Control]", "flags LeftWin [Control+Command]"}));
}

}  // namespace
}  // namespace varnel
