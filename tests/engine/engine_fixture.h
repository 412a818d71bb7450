#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/keyboard_engine.h"
#include "platform/sim/manual_main_queue.h"
#include "platform/sim/sim_event_system.h"
#include "platform/sim/sim_key_names.h"
#include "platform/sim/sim_keyboard.h"
#include "platform/sim/sim_run_loop.h"

namespace varnel {

// An engine on a simulated Mac, with everything the application receives and every report
// the engine makes recorded as text.
using Lines = std::vector<std::string>;
class EngineFixture : public ::testing::Test {
  protected:
    EngineFixture() {
        events.onReceive = [this](const ReceivedEvent& event) {
            received.push_back(SimKeyNames::describe(event));
        };
        engine = KeyboardEngine::make(events, queue);
        engine->onStateChange = [this](const EngineState& state) {
            std::string text(state.caseName());
            if (auto detail = state.detail()) {
                text += " " + *detail;
            }
            reports.push_back("state " + text);
            timeline.push_back(reports.back());
        };
        engine->onDiagnosticChange = [this](const DiagnosticSnapshot& snapshot) {
            snapshots.push_back(snapshot);
            timeline.push_back("diagnostic " + snapshot.lastTransformedAction);
        };
        engine->onEmergencyStop = [this] {
            reports.push_back("emergency stop");
            timeline.push_back(reports.back());
        };
        engine->onLanguageToggle = [this](WindowsTypingLanguage language) {
            reports.push_back("language " + std::string(language.rawValue()));
            timeline.push_back(reports.back());
        };
        engine->onPermissionLost = [this] {
            reports.push_back("permission lost");
            timeline.push_back(reports.back());
        };
        events.onMisuse = [this](const std::string& what) { misuses.push_back(what); };
    }
    // No test may use the system in a way a Mac does not allow.
    void TearDown() override { EXPECT_EQ(misuses, std::vector<std::string>{}); }

    // Starts the engine and forgets what starting reported.
    void startEngine() {
        ASSERT_TRUE(engine->start());
        clear();
    }
    // Delivers whatever was posted and runs the main queue until both are empty.
    void settle() { runLoop.settle(); }
    // Settles, then forgets everything recorded so far.
    void clear() {
        settle();
        received.clear();
        reports.clear();
        snapshots.clear();
        timeline.clear();
    }
    // Presses the keys in order and releases them in reverse order.
    void chord(std::initializer_list<std::uint16_t> keys) {
        for (auto key : keys) {
            keyboard.press(key);
        }
        for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
            keyboard.release(*it);
        }
    }
    // One switch of the engine's options set, the rest kept.
    void setOption(bool KeyboardOptions::*member, bool on) {
        KeyboardOptions options = engine->options();
        options.*member = on;
        engine->setOptions(options);
    }
    const DiagnosticSnapshot& lastSnapshot() {
        settle();
        EXPECT_FALSE(snapshots.empty());
        return snapshots.back();
    }

    SimClock clock;
    SimEventSystem events{clock};
    ManualMainQueue queue{clock};
    SimKeyboard keyboard{events};
    SimRunLoop runLoop{clock, events, queue};
    std::vector<std::string> received;
    std::vector<std::string> reports;
    std::vector<DiagnosticSnapshot> snapshots;
    std::vector<std::string> timeline;  // reports and diagnostics in the order delivered
    std::vector<std::string> misuses;
    std::shared_ptr<KeyboardEngine> engine;  // last: its destruction still reports
};

// An event as the system could deliver it, for the cases the keyboard does not make.
inline SimEvent makeEvent(std::uint32_t type, std::int64_t keyCode, std::uint64_t flags,
                          std::int64_t userData = 0) {
    SimEvent event;
    event.type = type;
    event.keyCode = keyCode;
    event.flags = flags;
    event.userData = userData;
    return event;
}

// Key codes by their Mac names, for readable tests.
namespace Key {
inline constexpr std::uint16_t a = 0, s = 1, c = 8, q = 12, l = 37, f6 = 97, tab = 48, space = 49,
                               esc = 53, rightWin = 54, leftWin = 55, leftShift = 56, capsLock = 57,
                               leftAlt = 58, leftCtrl = 59, rightShift = 60, rightAlt = 61,
                               rightCtrl = 62, fn = 63, f5 = 96, home = 115, end = 119, left = 123,
                               right = 124, comma = 43, grave = 50, two = 19, forwardDelete = 117;
}

}  // namespace varnel
