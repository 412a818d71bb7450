#include <gtest/gtest.h>

#include <functional>

#include "app/app_state.h"
#include "platform/sim/sim_mac.h"

namespace varnel {
namespace {

// What keeps keys from waiting: the activity that keeps a hidden Varnel from napping is held
// exactly while the mode is on, and slow system calls stay off the tap.
struct Varnel {
    SimMac mac;
    std::shared_ptr<AppState> state;

    Varnel() {
        state = AppState::make(mac.platform());
        mac.settle();
    }
    void toggle() {
        state->toggleMode();
        mac.settle();
    }
};

TEST(AppStateLatencyTest, HeldFromTheStartThroughAWake) {
    Varnel v;
    EXPECT_FALSE(v.mac.application.holdsActivity);
    v.toggle();
    EXPECT_TRUE(v.mac.application.holdsActivity);
    v.mac.notifications.post(SystemNotification::systemDidWake);
    v.mac.settle();
    EXPECT_TRUE(v.mac.application.holdsActivity);
}

TEST(AppStateLatencyTest, EveryWayTheModeEndsLetsItGo) {
    const std::vector<std::pair<const char*, std::function<void(Varnel&)>>> endings{
        {"toggle", [](Varnel& v) { v.state->toggleMode(); }},
        {"emergency chord",
         [](Varnel& v) {
             for (std::uint16_t key : {59, 58, 55, 53}) {  // Ctrl, Alt, Windows, Esc
                 v.mac.keyboard.press(key);
             }
         }},
        {"permission revoked",
         [](Varnel& v) {
             v.mac.permissions.inputMonitoring = false;
             v.state->refreshPermissions();
         }},
    };
    for (const auto& [name, end] : endings) {
        SCOPED_TRACE(name);
        Varnel v;
        v.toggle();
        ASSERT_TRUE(v.state->isModeEnabled());
        end(v);
        v.mac.settle();
        EXPECT_FALSE(v.state->isModeEnabled());
        EXPECT_FALSE(v.mac.application.holdsActivity);
    }
}

TEST(AppStateLatencyTest, NotTakenWhenTheModeCannotStart) {
    Varnel v;
    v.mac.events.failRunLoopSourceCreation = true;
    v.toggle();
    v.mac.events.failRunLoopSourceCreation = false;
    v.mac.permissions.accessibility = false;
    v.toggle();
    EXPECT_FALSE(v.state->isModeEnabled());
    EXPECT_FALSE(v.mac.application.holdsActivity);
}

// Shift + Alt switches the system input source from the main queue, after the tap's callback
// has returned: the slow selection never holds up the key.
TEST(AppStateLatencyTest, LanguageSwitchWaitsForTheMainQueue) {
    Varnel v;
    v.toggle();
    const std::size_t selectedBefore = v.mac.inputSources.selected.size();
    v.mac.keyboard.press(56);  // Shift
    v.mac.keyboard.press(58);  // Alt: the engine switches its own language in the callback
    EXPECT_EQ(v.mac.inputSources.selected.size(), selectedBefore);
    v.mac.settle();
    EXPECT_EQ(v.mac.inputSources.currentIdentifier(), "com.apple.keylayout.RussianWin");
}

}  // namespace
}  // namespace varnel
