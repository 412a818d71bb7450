#include <functional>
#include <ostream>
#include <string>
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
        TextCase{"PassedKeyUp", tap({Key::leftCtrl, Key::f5}), "Ctrl + F5", "Windows + F5"},
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

}  // namespace
}  // namespace varnel
