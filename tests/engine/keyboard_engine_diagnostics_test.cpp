#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine_fixture.h"

#include "model/flags.h"

namespace varnel {
namespace {

// What the diagnostics rows show for every kind of thing the engine does with a key: the
// snapshot read is the last one delivered after the steps, or the first one for a change
// that the next event's own description follows.
// What a case's steps may touch.
struct Hands {
    SimKeyboard& keyboard;
    SimEventSystem& events;
    KeyboardEngine& engine;
    std::function<void()> clear;  // runs the main queue and forgets the snapshots delivered
};

struct TextCase {
    const char* name;
    std::function<void(Hands&)> steps;
    const char* physical;
    const char* result;
    bool first = false;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class EngineDiagnosticTexts : public EngineFixture,
                              public ::testing::WithParamInterface<TextCase> {};

TEST_P(EngineDiagnosticTexts, ShowTheKeyAndWhatBecameOfIt) {
    ASSERT_TRUE(engine->start());
    EXPECT_EQ(lastSnapshot().lastPhysicalKey, "—");
    EXPECT_EQ(snapshots.back().lastTransformedAction, "—");
    clear();
    Hands hands{keyboard, events, *engine, [this] { clear(); }};
    GetParam().steps(hands);
    settle();
    ASSERT_FALSE(snapshots.empty());
    const DiagnosticSnapshot& shown = GetParam().first ? snapshots.front() : snapshots.back();
    EXPECT_EQ(shown.lastPhysicalKey, GetParam().physical);
    EXPECT_EQ(shown.lastTransformedAction, GetParam().result);
}

std::function<void(Hands&)> press(std::initializer_list<std::uint16_t> keys) {
    return [keys = std::vector<std::uint16_t>(keys)](Hands& t) {
        for (std::uint16_t key : keys) {
            t.keyboard.press(key);
        }
    };
}

// Presses the keys, then releases the last one.
std::function<void(Hands&)> tap(std::initializer_list<std::uint16_t> keys) {
    return [keys = std::vector<std::uint16_t>(keys)](Hands& t) {
        for (std::uint16_t key : keys) {
            t.keyboard.press(key);
        }
        t.keyboard.release(keys.back());
    };
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfAction, EngineDiagnosticTexts,
    ::testing::Values(
        TextCase{"PassedKey", press({Key::leftCtrl, Key::c}), "Ctrl + C", "Windows + C"},
        TextCase{"PassedKeyUp", tap({Key::leftCtrl, Key::f6}), "Ctrl + F6", "Windows + F6"},
        TextCase{"PassedModifier", press({Key::rightWin}), "Windows + Right Windows",
                 "Ctrl + Right Ctrl"},
        TextCase{
            "KeyWithoutAName",
            [](Hands& t) { t.events.inject(makeEvent(EventType::keyDown, 10, Flags::control)); },
            "Ctrl + Клавиша (код 10)", "Windows + Клавиша (код 10)"},
        TextCase{"Chord", press({Key::home}), "Home", "Home → начало строки"},
        TextCase{"ChordKeyUpSwallowed", tap({Key::leftAlt, Key::left}), "Alt + Left Arrow",
                 "Alt + Left → назад"},
        TextCase{"ChordUnderTwoModifiers", press({Key::leftCtrl, Key::leftShift, Key::tab}),
                 "Ctrl + Shift + Tab", "Ctrl + Shift + Tab → предыдущая вкладка"},
        // The longest name of the mapping, whole.
        TextCase{"LongestChordName", press({Key::leftCtrl, Key::leftAlt, Key::forwardDelete}),
                 "Ctrl + Alt + Delete", "Ctrl + Alt + Delete → принудительное завершение"},
        TextCase{"TypedEnglish", tap({Key::a}), "A", "Windows-текст: a"},
        TextCase{"TypedRussian",
                 [](Hands& t) {
                     t.engine.setTypingLanguage(WindowsTypingLanguage::russian);
                     t.keyboard.press(Key::grave);
                 },
                 "`", "Windows-текст: ё"},
        TextCase{"AltTab", press({Key::leftAlt, Key::tab}), "Alt + Tab",
                 "Alt + Tab → Command + Tab"},
        TextCase{"AltShiftTab",
                 [](Hands& t) {
                     tap({Key::leftAlt, Key::tab})(t);
                     press({Key::leftShift, Key::tab})(t);
                 },
                 "Alt + Shift + Tab", "Alt + Shift + Tab → Command + Shift + Tab"},
        TextCase{"SwitcherArrow", press({Key::leftAlt, Key::tab, Key::right}), "Alt + Right Arrow",
                 "Alt + Right Arrow → Command + Right Arrow"},
        TextCase{"SwitcherEscape", press({Key::leftAlt, Key::tab, Key::esc}), "Alt + Escape",
                 "Alt + Escape → Command + Escape"},
        TextCase{"EmergencyStop", press({Key::leftCtrl, Key::leftAlt, Key::leftWin, Key::esc}),
                 "Ctrl + Alt + Windows + Escape", "Аварийное отключение"},
        TextCase{"LanguageSwitched",
                 [](Hands& t) {
                     t.keyboard.press(Key::leftShift);
                     t.clear();
                     t.keyboard.press(Key::leftAlt);
                 },
                 "Alt + Shift + Left Alt", "Shift + Alt → Русская · Windows", /*first=*/true}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

class EngineDiagnostics : public EngineFixture {
  protected:
    void SetUp() override { startEngine(); }
};

// The tap queues nothing: however many events it handles before the main thread is about to
// wait, one delivery then shows the last of them with exact counters.
TEST_F(EngineDiagnostics, EventsBeforeTheQueueRunsShareOneDelivery) {
    for (std::uint16_t key : {Key::a, Key::s, Key::l}) {
        keyboard.press(key);  // typed: replaced
        keyboard.release(key);
    }
    keyboard.press(Key::leftCtrl);
    keyboard.press(Key::c);  // passes as Windows + C
    EXPECT_EQ(queue.pendingCount(), 0u);
    EXPECT_TRUE(snapshots.empty());
    settle();
    ASSERT_EQ(snapshots.size(), 1u);
    EXPECT_EQ(snapshots[0].lastPhysicalKey, "Ctrl + C");
    EXPECT_EQ(snapshots[0].lastTransformedAction, "Windows + C");
    EXPECT_EQ(snapshots[0].processedEvents, 8);
    EXPECT_EQ(snapshots[0].blockedEvents, 6);

    keyboard.release(Key::c);  // after a delivery, the next change queues the next one
    settle();
    ASSERT_EQ(snapshots.size(), 2u);
    EXPECT_EQ(snapshots[1].processedEvents, 9);
}

// A report reaches the owner before the main thread waits, and the owner may let the engine
// go there: what was still to come is dropped with it.
TEST_F(EngineDiagnostics, AnOwnerMayLetTheEngineGoWhenItHearsAReport) {
    engine->onEmergencyStop = [this] {
        reports.push_back("emergency stop");
        engine.reset();
    };
    for (std::uint16_t key : {Key::leftCtrl, Key::leftAlt, Key::leftWin, Key::esc}) {
        keyboard.press(key);
    }
    keyboard.release(Key::esc);  // the engine still taps until it goes
    settle();
    EXPECT_EQ(engine, nullptr);
    EXPECT_EQ(reports, (Lines{"emergency stop", "state stopped"}));  // the last, as it goes
    ASSERT_EQ(snapshots.size(), 1u);  // the facts held back for the report, not the live ones
    EXPECT_EQ(snapshots[0].lastTransformedAction, "Аварийное отключение");
}

// Deliveries nobody hears render nothing; an owner listening again sees the latest texts.
TEST_F(EngineDiagnostics, AnOwnerListeningAgainSeesTheLatestTexts) {
    auto owner = std::exchange(engine->onDiagnosticChange, nullptr);
    keyboard.press(Key::leftCtrl);
    settle();
    keyboard.press(Key::c);
    settle();
    engine->onDiagnosticChange = owner;
    keyboard.release(Key::c);
    settle();
    ASSERT_EQ(snapshots.size(), 1u);
    EXPECT_EQ(snapshots[0].lastPhysicalKey, "Ctrl + C");
    EXPECT_EQ(snapshots[0].lastTransformedAction, "Windows + C");
    EXPECT_EQ(snapshots[0].processedEvents, 3);
}

// A report queued while a delivery waits comes after the diagnostics of the events before it
// and before those of the events after it, as when every event had its own delivery.
struct OrderCase {
    const char* name;
    std::function<void(Hands&)> steps;
    Lines timeline;
};

void PrintTo(const OrderCase& c, std::ostream* out) {
    *out << c.name;
}

class EngineReportOrder : public EngineFixture, public ::testing::WithParamInterface<OrderCase> {
  protected:
    void SetUp() override { startEngine(); }
};

TEST_P(EngineReportOrder, ReportsKeepTheirPlaceAmongTheDiagnostics) {
    Hands hands{keyboard, events, *engine, [this] { clear(); }};
    GetParam().steps(hands);
    settle();
    EXPECT_EQ(timeline, GetParam().timeline);
}

constexpr std::uint16_t f6 = 97;  // no rule, no text

INSTANTIATE_TEST_SUITE_P(
    WithoutTheQueueRunningBetween, EngineReportOrder,
    ::testing::Values(OrderCase{"EmergencyChord",
                                [](Hands& t) {
                                    press({Key::leftCtrl, Key::leftAlt, Key::leftWin, Key::esc})(t);
                                    t.keyboard.release(Key::esc);
                                },
                                {"diagnostic Аварийное отключение", "emergency stop",
                                 "diagnostic Ctrl + Alt + Windows + Escape"}},
                      OrderCase{"LanguageSwitch",
                                [](Hands& t) {
                                    press({Key::leftShift, Key::leftAlt})(t);
                                    t.keyboard.release(Key::leftAlt);
                                    t.keyboard.release(Key::leftShift);
                                    t.keyboard.press(Key::a);
                                },
                                {"diagnostic Shift + Alt → Русская · Windows", "language russian",
                                 "diagnostic Windows-текст: ф"}},
                      OrderCase{"RateGuard",
                                [](Hands& t) {
                                    t.keyboard.press(f6);
                                    for (int i = 0; i < 1500; ++i) {
                                        t.keyboard.repeat(
                                            f6);  // the last is the 1501st of the window
                                    }
                                },
                                {"diagnostic F6",
                                 "state safeMode За одну секунду возникло слишком много событий. "
                                 "Переназначение отключено, чтобы клавиши не зациклились.",
                                 "emergency stop"}},
                      OrderCase{"PermissionLost",
                                [](Hands& t) {
                                    t.keyboard.press(Key::leftCtrl);
                                    t.events.processTrusted = [] { return false; };
                                    t.events.disableTapsBySystem(EventType::tapDisabledByTimeout);
                                    t.events.processTrusted = nullptr;
                                },
                                {"diagnostic Windows + Left Windows", "permission lost"}}),
    [](const ::testing::TestParamInfo<OrderCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace varnel
