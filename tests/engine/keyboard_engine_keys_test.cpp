#include "engine_fixture.h"

#include "model/flags.h"

namespace varnel {
namespace {

class EngineKeys : public EngineFixture {
  protected:
    void SetUp() override { startEngine(); }
};

TEST_F(EngineKeys, CtrlCPassesAsCommandC) {
    keyboard.press(Key::leftCtrl);
    keyboard.press(Key::c);
    const DiagnosticSnapshot afterDown = lastSnapshot();
    EXPECT_EQ(afterDown.lastPhysicalKey, "Ctrl + C");
    EXPECT_EQ(afterDown.lastTransformedAction, "Windows + C");
    keyboard.release(Key::c);
    keyboard.release(Key::leftCtrl);
    settle();
    EXPECT_EQ(received, (Lines{"flags LeftWin [Command]", "down C [Command]", "up C [Command]",
                               "flags LeftWin []"}));
    EXPECT_EQ(snapshots.back().processedEvents, 4);
    EXPECT_EQ(snapshots.back().blockedEvents, 0);
}

TEST_F(EngineKeys, MappedKeyPostsItsChordAndSwallowsBothEvents) {
    keyboard.press(Key::leftAlt);
    clear();
    keyboard.press(118);  // F4
    keyboard.release(118);
    settle();
    // Alt stays down for the application throughout.
    EXPECT_EQ(received, (Lines{"flags LeftWin [Option+Command]", "down Q [Command]",
                               "up Q [Command]", "flags LeftWin [Option]"}));
    EXPECT_EQ(snapshots.back().lastTransformedAction, "Alt + F4 → закрыть приложение");
    EXPECT_EQ(snapshots.back().lastPhysicalKey, "Alt + F4");
    EXPECT_EQ(snapshots.back().processedEvents, 3);
    EXPECT_EQ(snapshots.back().blockedEvents, 2);
}

// The Shift the user holds is already down for the application: the chord neither presses
// nor releases it, and its modifier events carry what the user holds.
TEST_F(EngineKeys, ControlShiftChordUnderPhysicalModifiers) {
    keyboard.press(Key::leftCtrl);
    keyboard.press(Key::leftShift);
    keyboard.press(Key::tab);
    settle();
    EXPECT_EQ(received, (Lines{"flags LeftWin [Command]", "flags LeftShift [Shift+Command]",
                               "flags LeftCtrl [Control+Shift+Command]", "down Tab [Control+Shift]",
                               "up Tab [Control+Shift]", "flags LeftCtrl [Shift+Command]"}));
}

TEST_F(EngineKeys, AltTabHoldsCommandAcrossTabsUntilAltGoesUp) {
    keyboard.press(Key::leftAlt);
    for (int i = 0; i < 3; ++i) {
        keyboard.press(Key::tab);
        keyboard.release(Key::tab);
    }
    // A chord during the sequence does not end it and finds Command already held.
    keyboard.press(118);
    keyboard.release(118);
    EXPECT_TRUE(engine->holdsSyntheticModifier());
    keyboard.release(Key::leftAlt);
    settle();
    EXPECT_EQ(received, (Lines{"flags LeftAlt [Option]", "flags LeftWin [Option+Command]",
                               "down Tab [Command]", "up Tab [Command]", "down Tab [Command]",
                               "up Tab [Command]", "down Tab [Command]", "up Tab [Command]",
                               "down Q [Command]", "up Q [Command]", "flags LeftAlt []",
                               "flags LeftWin []"}));
    EXPECT_EQ(snapshots.back().blockedEvents, 8);
    EXPECT_FALSE(engine->holdsSyntheticModifier());
}

TEST_F(EngineKeys, AltTabEndsAtAnUnmappedKey) {
    keyboard.press(Key::leftAlt);
    keyboard.press(Key::tab);
    keyboard.release(Key::tab);
    clear();
    keyboard.press(Key::q);  // Alt + Q: no rule, no text (Alt is held)
    settle();
    // The physical key is answered first; what the engine posted follows it.
    EXPECT_EQ(received, (Lines{"down Q [Option]", "flags LeftWin [Option]"}));
    EXPECT_FALSE(engine->holdsSyntheticModifier());
}

TEST_F(EngineKeys, BuiltInTypingInBothLanguages) {
    struct Step {
        std::uint16_t modifier;  // held while the key is tapped, 0 for none
        std::uint16_t key;
    };
    auto typed = [&](std::initializer_list<Step> steps) {
        Lines texts;
        for (const Step& step : steps) {
            if (step.modifier) {
                keyboard.press(step.modifier);
            }
            clear();
            keyboard.press(step.key);
            keyboard.release(step.key);
            settle();
            texts.insert(texts.end(), received.begin(), received.end());
            if (step.modifier && step.modifier != Key::capsLock) {
                keyboard.release(step.modifier);
            }
        }
        return texts;
    };
    // The text goes on the key's own code, for applications that read key codes.
    EXPECT_EQ(typed({{0, Key::a}, {Key::leftShift, Key::a}, {0, Key::two}}),
              (Lines{"down A [] \"a\"", "up A [] \"a\"", "down A [] \"A\"", "up A [] \"A\"",
                     "down 2 [] \"2\"", "up 2 [] \"2\""}));
    EXPECT_EQ(lastSnapshot().lastTransformedAction, "Windows-текст: 2");

    engine->setTypingLanguage(WindowsTypingLanguage::russian);
    EXPECT_EQ(lastSnapshot().typingLanguage, WindowsTypingLanguage::russian);
    keyboard.press(Key::capsLock);  // on
    keyboard.release(Key::capsLock);
    EXPECT_EQ(typed({{0, Key::comma},
                     {Key::leftShift, Key::comma},
                     {Key::leftShift, Key::two},
                     {0, Key::grave}}),
              (Lines{"down Comma [] \"Б\"", "up Comma [] \"Б\"", "down Comma [] \"б\"",
                     "up Comma [] \"б\"", "down 2 [] \"\\\"\"", "up 2 [] \"\\\"\"",
                     "down Grave [] \"Ё\"", "up Grave [] \"Ё\""}));
}

// Each key is typed as the keyboard it came from has it: on ISO the keys with codes 10 (left
// of 1) and 50 (left of Z) are looked up at their ANSI places, unless the switch is off. A
// MacBook's ISO keyboard and an external ANSI one may take turns from one key to the next.
TEST_F(EngineKeys, EachKeyIsTypedAsItsOwnKeyboardHasIt) {
    struct Case {
        KeyboardType keyboard;
        std::uint16_t key;
        bool isoSwitch;
        const char* down;  // what the application receives, the key named as on its keyboard
    };
    const Case cases[] = {
        {KeyboardType::iso, 10, true, R"(down Grave [] "`")"},
        {KeyboardType::iso, 50, true, R"(down IsoExtra [] "\\")"},
        {KeyboardType::ansi, 50, true, R"(down Grave [] "`")"},
        {KeyboardType::iso, 10, true, R"(down Grave [] "`")"},
        {KeyboardType::jis, 50, true, R"(down Grave [] "`")"},
        {KeyboardType::iso, 10, false, R"(down Grave [] "\\")"},
        {KeyboardType::iso, Key::a, true, R"(down A [] "a")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        setOption(&KeyboardOptions::isoKeyboardLayout, c.isoSwitch);
        keyboard.layout = c.keyboard;
        clear();
        keyboard.press(c.key);
        keyboard.release(c.key);
        ASSERT_EQ(received.size(), 2u);
        EXPECT_EQ(received[0], c.down);
        EXPECT_EQ(lastSnapshot().keyboardType, c.keyboard);
    }
    // The system is asked once for each keyboard type: the answer never changes.
    EXPECT_EQ(events.layoutQueryCount(), 3u);
    // A type beyond what a keyboard reports is asked about at each key, and not kept.
    for (std::int64_t type : {std::int64_t{-1}, std::int64_t{1} << 20}) {
        for (std::uint32_t direction : {EventType::keyDown, EventType::keyUp}) {
            SimEvent event = makeEvent(direction, Key::a, 0);
            event.keyboardType = type;
            events.inject(event);
            events.inject(event);
        }
    }
    EXPECT_EQ(events.layoutQueryCount(), 7u);
}

TEST_F(EngineKeys, TypingSwitchedOffPassesLetters) {
    setOption(&KeyboardOptions::fullWindowsTyping, false);
    keyboard.press(Key::a);
    keyboard.release(Key::a);
    settle();
    EXPECT_EQ(received, (Lines{"down A []", "up A []"}));
    EXPECT_EQ(snapshots.back().lastTransformedAction, "A");
    EXPECT_EQ(snapshots.back().blockedEvents, 0);
}

TEST_F(EngineKeys, EmergencyChordDropsEscapeAndAsksTheOwnerToStop) {
    for (bool withShift : {false, true}) {
        SCOPED_TRACE(withShift);
        keyboard.press(Key::leftCtrl);
        keyboard.press(Key::leftAlt);
        keyboard.press(Key::leftWin);
        if (withShift) {
            keyboard.press(Key::leftShift);
        }
        clear();
        keyboard.press(Key::esc);
        EXPECT_EQ(lastSnapshot().lastTransformedAction, "Аварийное отключение");
        EXPECT_EQ(reports, (Lines{"emergency stop"}));
        EXPECT_EQ(received, Lines{});
        // The engine keeps running until its owner stops it; Escape's key-up passes.
        keyboard.release(Key::esc);
        settle();
        EXPECT_EQ(received.size(), 1u);
        EXPECT_EQ(received[0].substr(0, 6), "up Esc");
        for (auto key : {Key::leftShift, Key::leftWin, Key::leftAlt, Key::leftCtrl}) {
            keyboard.release(key);
        }
    }
}

TEST_F(EngineKeys, ControlOptionEscapeWithoutCommandIsAnOrdinaryKey) {
    keyboard.press(Key::leftCtrl);
    keyboard.press(Key::leftAlt);
    clear();
    keyboard.press(Key::esc);
    settle();
    EXPECT_EQ(received, (Lines{"down Esc [Option+Command]"}));
    EXPECT_EQ(reports, Lines{});
}

TEST_F(EngineKeys, OwnEventsPassUntouchedAndUncounted) {
    events.inject(
        makeEvent(EventType::keyDown, Key::f5, Flags::control, KeyboardEngine::syntheticMarker));
    settle();
    EXPECT_EQ(received, (Lines{"down F5 [Control]"}));
    EXPECT_EQ(snapshots, std::vector<DiagnosticSnapshot>{});
}

TEST_F(EngineKeys, KeyCodesBeyondSixteenBitsPassUnchanged) {
    events.inject(makeEvent(EventType::keyDown, 70000, Flags::control));
    settle();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_NE(received[0].find("[Control]"), std::string::npos);
}

TEST_F(EngineKeys, RateGuardTripsAtTheFifteenHundredAndFirstEventOfAWindow) {
    // F6 has no rule and no text: each event passes with Control and Command swapped.
    constexpr std::uint16_t f6 = 97;
    keyboard.press(Key::leftCtrl);  // 1
    keyboard.press(f6);             // 2
    for (int i = 0; i < 1497; ++i) {
        keyboard.repeat(f6);  // 3 ... 1499
    }
    keyboard.press(Key::left);  // 1500: Ctrl + Left, whose posted chord is not counted
    settle();
    EXPECT_EQ(snapshots.back().processedEvents, 1500);
    EXPECT_TRUE(snapshots.back().eventTapActive);
    clear();

    clock.advanceTo(0.999);
    keyboard.repeat(f6);  // 1501 in the window opened at 0
    settle();
    // Passed unchanged; then the held Ctrl is handed back to the application as Left Ctrl.
    EXPECT_EQ(received,
              (Lines{"down F6 [Control+Fn]", "flags LeftWin []", "flags LeftCtrl [Control]"}));
    EXPECT_EQ(reports, (Lines{"state safeMode За одну секунду возникло слишком много событий. "
                              "Переназначение отключено, чтобы клавиши не зациклились.",
                              "emergency stop"}));
    EXPECT_FALSE(snapshots.back().eventTapActive);
    EXPECT_EQ(events.liveTapCount(), 0u);
}

TEST_F(EngineKeys, ANewWindowOpensOneSecondAfterThePrevious) {
    constexpr std::uint16_t f6 = 97;
    keyboard.press(f6);
    for (int i = 0; i < 1499; ++i) {
        keyboard.repeat(f6);
    }
    clock.advanceTo(1.0);  // the window opened at 0 covers [0, 1.0)
    for (int i = 0; i < 1500; ++i) {
        keyboard.repeat(f6);
    }
    settle();
    EXPECT_EQ(reports, Lines{});
    EXPECT_EQ(snapshots.back().processedEvents, 3000);
}

// The rate guard reads a monotonic clock; should it ever step back all the same, the window
// must not stay open for good and trip safe mode on ordinary typing.
TEST(EngineRateGuard, AClockSteppingBackOpensANewWindow) {
    struct SteppingClock : SimEventSystem {
        using SimEventSystem::SimEventSystem;
        double monotonicTime() override { return now; }
        double now = 100;
    };
    SimClock clock;
    SteppingClock events(clock);
    ManualMainQueue queue(clock);
    SimKeyboard keyboard(events);
    auto engine = KeyboardEngine::make(events, queue);
    bool safeMode = false;
    engine->onEmergencyStop = [&] { safeMode = true; };
    ASSERT_TRUE(engine->start());
    constexpr std::uint16_t f6 = 97;
    keyboard.press(f6);
    for (double now : {100.5, 40.0, 40.5, 41.0}) {  // 400 events at each
        events.now = now;
        for (int i = 0; i < 400; ++i) {
            keyboard.repeat(f6);
        }
    }
    while (queue.runOne()) {
    }
    EXPECT_FALSE(safeMode);
    EXPECT_EQ(events.activeTapCount(), 1u);
}

TEST_F(EngineKeys, TapDisabledBySystemIsEnabledAgain) {
    for (auto notice : {EventType::tapDisabledByTimeout, EventType::tapDisabledByUserInput}) {
        events.disableTapsBySystem(notice);
        EXPECT_EQ(events.activeTapCount(), 1u);
        EXPECT_TRUE(lastSnapshot().eventTapActive);
        EXPECT_EQ(snapshots.back().processedEvents, 0);
    }
    keyboard.press(Key::leftCtrl);
    settle();
    EXPECT_EQ(received, (Lines{"flags LeftWin [Command]"}));
}

TEST_F(EngineKeys, StoppedEngineLetsEverythingThrough) {
    SimEvent event = makeEvent(EventType::keyDown, Key::f5, Flags::control);
    engine->stop();
    auto ref = reinterpret_cast<EventRef>(&event);
    EXPECT_EQ(KeyboardEngine::callback(nullptr, EventType::keyDown, ref, engine.get()), ref);
    EXPECT_EQ(KeyboardEngine::callback(nullptr, EventType::keyDown, ref, nullptr), ref);
    EXPECT_EQ(event.flags, Flags::control);
}

}  // namespace
}  // namespace varnel

namespace varnel {
namespace {

// The application must see every key it saw go down come up again.
TEST_F(EngineFixture, KeyUpsStayBalancedWithWhatTheApplicationSaw) {
    // Home held before the mode started: its repeats become chords, and its key-up passes.
    keyboard.press(Key::home);
    startEngine();
    keyboard.repeat(Key::home);
    keyboard.release(Key::home);
    settle();
    EXPECT_EQ(received, (Lines{"flags LeftWin [Command]", "down Left [Command]",
                               "up Left [Command]", "flags LeftWin []", "up Home [Fn]"}));

    // Typed from the layout, then passed once typing is switched off mid-press: the key-up
    // that follows reaches the application too.
    clear();
    keyboard.press(Key::a);
    setOption(&KeyboardOptions::fullWindowsTyping, false);
    keyboard.repeat(Key::a);
    keyboard.release(Key::a);
    settle();
    EXPECT_EQ(received, (Lines{"down A [] \"a\"", "up A [] \"a\"", "down A []", "up A []"}));
}

}  // namespace
}  // namespace varnel
