#include "engine_fixture.h"

namespace varnel {
namespace {

using EngineLifecycle = EngineFixture;

TEST_F(EngineLifecycle, StartInstallsOneTapAndReportsRunning) {
    EXPECT_TRUE(engine->start());
    settle();
    EXPECT_EQ(reports, (Lines{"state starting", "state running"}));
    EXPECT_TRUE(snapshots.back().eventTapActive);
    EXPECT_EQ(events.activeTapCount(), 1u);
    clear();
    EXPECT_TRUE(engine->start());
    settle();
    EXPECT_EQ(reports, Lines{});
    EXPECT_EQ(events.liveTapCount(), 1u);
}

TEST_F(EngineLifecycle, StopWhenStoppedStillReports) {
    engine->stop();
    settle();
    EXPECT_EQ(reports, (Lines{"state stopped"}));
    ASSERT_EQ(snapshots.size(), 1u);
    EXPECT_FALSE(snapshots[0].eventTapActive);
    EXPECT_EQ(received, Lines{});
}

TEST_F(EngineLifecycle, StopDuringAltTabReleasesCommand) {
    startEngine();
    keyboard.press(Key::leftAlt);
    keyboard.press(Key::tab);
    clear();
    engine->stop();
    settle();
    EXPECT_EQ(received, (Lines{"flags LeftWin [Option]"}));
    EXPECT_FALSE(engine->holdsSyntheticModifier());
    // The suppressed Tab is forgotten: its key-up now reaches the application untouched.
    keyboard.release(Key::tab);
    keyboard.release(Key::leftAlt);
    EXPECT_EQ(received, (Lines{"flags LeftWin [Option]", "up Tab [Option]", "flags LeftAlt []"}));
}

TEST_F(EngineLifecycle, StartAfterStopKeepsTheCounters) {
    startEngine();
    chord({Key::leftAlt, 118});
    engine->stop();
    settle();
    const auto before = snapshots.back();
    EXPECT_EQ(before.processedEvents, 4);
    EXPECT_EQ(before.blockedEvents, 2);
    EXPECT_TRUE(engine->start());
    keyboard.press(Key::a);
    settle();
    EXPECT_EQ(snapshots.back().processedEvents, 5);
    EXPECT_EQ(snapshots.back().blockedEvents, 3);
}

TEST_F(EngineLifecycle, FailedStartLeavesNothingInstalled) {
    struct Case {
        bool tapRefused;
        const char* report;
    };
    const Case cases[] = {
        {true,
         "state failed macOS не разрешила создать перехват клавиатуры. Проверьте "
         "Accessibility и Input Monitoring."},
        {false, "state failed Не удалось подключить обработчик к системному циклу событий."},
    };
    for (const Case& c : cases) {
        clear();
        events.tapAllowed = [&] { return !c.tapRefused; };
        events.failRunLoopSourceCreation = !c.tapRefused;
        EXPECT_FALSE(engine->start());
        settle();
        EXPECT_EQ(reports, (Lines{"state starting", c.report}));
        EXPECT_EQ(events.liveTapCount(), 0u);
        keyboard.press(Key::leftCtrl);
        keyboard.release(Key::leftCtrl);
        EXPECT_EQ(received, (Lines{"flags LeftCtrl [Control]", "flags LeftCtrl []"}));
    }
}

// Without Accessibility the system would clear the key events from the tap's mask and make
// it all the same (it refuses only an empty mask): with modifier changes and, under Ctrl +
// click, mouse buttons in the mask, the tap would seem installed and remap nothing. The start
// is refused as for a tap the system refuses.
TEST_F(EngineLifecycle, AnUntrustedStartIsRefusedWhateverTheMask) {
    events.processTrusted = [] { return false; };
    for (bool controlClick : {false, true}) {
        SCOPED_TRACE(controlClick);
        setOption(&KeyboardOptions::windowsControlClick, controlClick);
        clear();
        EXPECT_FALSE(engine->start());
        settle();
        EXPECT_EQ(reports, (Lines{"state starting",
                                  "state failed macOS не разрешила создать перехват клавиатуры. "
                                  "Проверьте Accessibility и Input Monitoring."}));
        EXPECT_EQ(events.liveTapCount(), 0u);
    }
    events.processTrusted = nullptr;
    EXPECT_TRUE(engine->start());
}

TEST_F(EngineLifecycle, DestructionReportsStoppedAndDeliversNothingLater) {
    startEngine();
    keyboard.press(Key::leftAlt);
    keyboard.press(Key::tab);
    settle();
    clear();
    engine.reset();
    EXPECT_EQ(reports, (Lines{"state stopped"}));
    settle();
    EXPECT_EQ(snapshots.size(), 0u);
    EXPECT_EQ(received, (Lines{"flags LeftWin [Option]"}));
    EXPECT_EQ(events.liveTapCount(), 0u);
    EXPECT_EQ(events.liveEventSourceCount(), 0u);
    EXPECT_EQ(events.liveEventCount(), 0u);
}

// A disabled tap is enabled again unless the system disabled it for timeout and the process
// is no longer trusted: then enabling it would only hold the keyboard up again, so the
// engine stops. The stop runs inside the tap's callback, where the tap is only disabled;
// it is removed on the main queue once the callback has returned.
TEST_F(EngineLifecycle, ATimeoutWithoutTrustStopsTheEngine) {
    struct Case {
        std::uint32_t notice;
        bool trusted;
        bool stops;
    };
    const Case cases[] = {
        {EventType::tapDisabledByTimeout, true, false},
        {EventType::tapDisabledByUserInput, false, false},
        {EventType::tapDisabledByTimeout, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.notice);
        startEngine();
        events.processTrusted = [&] { return c.trusted; };
        events.disableTapsBySystem(c.notice);
        EXPECT_EQ(events.activeTapCount(), c.stops ? 0u : 1u);
        EXPECT_EQ(events.liveTapCount(), 1u);
        settle();
        EXPECT_EQ(events.liveTapCount(), c.stops ? 0u : 1u);
        EXPECT_EQ(reports, c.stops ? Lines{"permission lost"} : Lines{});
        EXPECT_EQ(snapshots.back().eventTapActive, !c.stops);
        events.processTrusted = nullptr;
        engine->stop();
    }
}

// Started again before the queued removal ran, the engine removes the old tap first.
TEST_F(EngineLifecycle, StartAfterAStopInsideTheCallbackReplacesTheTap) {
    startEngine();
    events.processTrusted = [] { return false; };
    keyboard.press(Key::a);  // stalls: the key passes as it is, and the notice follows
    events.processTrusted = nullptr;
    EXPECT_TRUE(engine->start());
    EXPECT_EQ(events.liveTapCount(), 1u);
    settle();
    EXPECT_EQ(events.activeTapCount(), 1u);
    keyboard.release(Key::a);
    keyboard.press(Key::leftCtrl);
    EXPECT_EQ(received, (Lines{"down A []", "up A []", "flags LeftWin [Command]"}));
}

TEST_F(EngineLifecycle, QueuedReportsReadTheCallbackWhenTheyRun) {
    startEngine();
    keyboard.press(Key::a);
    engine->onDiagnosticChange = nullptr;
    settle();
    EXPECT_EQ(snapshots.size(), 0u);
}

}  // namespace
}  // namespace varnel
