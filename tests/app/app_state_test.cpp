#include "app/app_state.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_mac.h"

namespace varnel {
namespace {

class AppStateTest : public ::testing::Test {
  protected:
    void launch() {
        state = AppState::make(mac.platform());
        mac.settle();
    }
    std::optional<std::string> storedString(std::string_view key) {
        return mac.settings.string(key);
    }

    SimMac mac;
    std::shared_ptr<AppState> state;
};

TEST_F(AppStateTest, AnnouncesEveryAssignmentBeforeStoringIt) {
    launch();
    std::vector<std::optional<std::string>> seen;
    state->addObserver([&] { seen.push_back(state->bannerMessage()); });
    state->setBannerMessage("один");
    state->setBannerMessage(std::nullopt);
    state->setBannerMessage(std::nullopt);  // unchanged, announced all the same
    EXPECT_EQ(seen, (std::vector<std::optional<std::string>>{std::nullopt, "один", std::nullopt}));
}

TEST_F(AppStateTest, ObserversCanBeRemovedWhileBeingTold) {
    launch();
    int calls = 0;
    AppState::ObserverId id = 0;
    id = state->addObserver([&] {
        ++calls;
        state->removeObserver(id);
    });
    state->toggleMode();
    EXPECT_EQ(calls, 1);
}

TEST_F(AppStateTest, FirstStartWritesOnlyTheOptions) {
    mac.inputSources.makeCurrent("com.apple.keylayout.RussianWin");
    launch();
    EXPECT_EQ(state->options(), KeyboardOptions::windowsDefaults);
    EXPECT_EQ(state->typingLanguage(), WindowsTypingLanguage::russian);
    EXPECT_EQ(mac.settings.size(), 1u);
    EXPECT_EQ(KeyboardOptions::decode(*mac.settings.data(AppState::optionsKey)).value(),
              KeyboardOptions::windowsDefaults);
    EXPECT_FALSE(state->isModeEnabled());
    EXPECT_EQ(state->currentInputSource(), "Русская · Windows · системная: Russian – PC");
    EXPECT_EQ(state->diagnostic().typingLanguage, WindowsTypingLanguage::russian);
    EXPECT_TRUE(state->permissions().allGranted());
}

TEST_F(AppStateTest, StoredLanguageMustBeExact) {
    for (const char* stored : {"Russian", "ru", "ENGLISH"}) {
        mac.settings.setString(AppState::typingLanguageKey, stored);
        mac.inputSources.makeCurrent("com.apple.keylayout.Russian");
        launch();
        EXPECT_EQ(state->typingLanguage(), WindowsTypingLanguage::russian) << stored;
        EXPECT_EQ(storedString(AppState::typingLanguageKey), stored);  // not written back
    }
    mac.settings.setString(AppState::typingLanguageKey, "english");
    launch();
    EXPECT_EQ(state->typingLanguage(), WindowsTypingLanguage::english);
}

TEST_F(AppStateTest, KeepsTheThreeKeysAndNothingElse) {
    launch();
    state->toggleMode();
    mac.settle();
    mac.keyboard.press(56);
    mac.keyboard.press(58);  // Shift + Alt: the language is stored
    mac.settle();
    state->setLaunchAtLogin(false);
    state->toggleMode();
    EXPECT_EQ(mac.settings.size(), 3u);
    EXPECT_TRUE(mac.settings.data(AppState::optionsKey));
    EXPECT_EQ(storedString(AppState::typingLanguageKey), "russian");
    EXPECT_TRUE(mac.settings.value(AppState::modeEnabledKey));
}

TEST_F(AppStateTest, DeferredWorkDoesNothingOnceTheControllerIsGone) {
    mac.settings.setBool(AppState::modeEnabledKey, true);
    launch();
    mac.keyboard.press(0);  // an engine report is queued...
    state.reset();          // ...and the controller goes before it runs
    mac.wait(1.0);          // the delayed restore finds nothing to do either
    EXPECT_EQ(mac.events.liveTapCount(), 0u);
    EXPECT_EQ(mac.mainQueue.pendingCount(), 0u);
}

TEST_F(AppStateTest, FailedEngineStartChangesNothing) {
    launch();
    state->setBannerMessage("прежний");
    mac.events.failRunLoopSourceCreation = true;
    state->toggleMode();
    mac.settle();
    EXPECT_FALSE(state->isModeEnabled());
    EXPECT_EQ(state->bannerMessage(), "прежний");
    EXPECT_EQ(state->engineState().kind(), EngineState::Case::failed);
    EXPECT_FALSE(mac.settings.value(AppState::modeEnabledKey));
    EXPECT_FALSE(state->launchAtLogin());
}

TEST_F(AppStateTest, SafeModeShowsForOneTurnThenEndsAsAnEmergencyStop) {
    launch();
    state->toggleMode();
    mac.settle();
    std::vector<EngineState::Case> states;
    state->addObserver([&] { states.push_back(state->engineState().kind()); });
    mac.keyboard.press(97);  // F6
    for (int i = 0; i < 1500; ++i) {
        mac.keyboard.repeat(97);
    }
    mac.settle();
    // Observers are told before each store: the list shows each value before the next.
    states.push_back(state->engineState().kind());
    const auto safe = std::find(states.begin(), states.end(), EngineState::Case::safeMode);
    ASSERT_NE(safe, states.end());
    EXPECT_EQ(states.back(), EngineState::Case::stopped);
    EXPECT_FALSE(state->isModeEnabled());
    EXPECT_EQ(state->bannerMessage(),
              "Windows-режим аварийно отключён сочетанием Ctrl + Alt + Windows + Esc.");
}

TEST_F(AppStateTest, HidingClosesTheKeyWindowThenHides) {
    launch();
    state->hideMainWindow();
    state->activateApplication();
    EXPECT_EQ(mac.application.calls,
              (std::vector<std::string>{"closeKeyWindow", "hide", "activate"}));
}

TEST_F(AppStateTest, OptionsChangeFollowsTheInputSourceOnlyWhileTheModeRuns) {
    launch();
    KeyboardOptions options = state->options();
    options.fullWindowsTyping = false;
    state->setOptions(options);
    EXPECT_EQ(state->currentInputSource(), "English · Windows · системная: ABC");  // left as it was
    state->toggleMode();
    mac.settle();
    EXPECT_EQ(state->currentInputSource(), "ABC");
    mac.inputSources.makeCurrent("com.apple.keylayout.Russian");
    state->setOptions(state->options());  // an equal record still applies
    EXPECT_EQ(mac.inputSources.currentIdentifier(), "com.apple.keylayout.ABC");
    EXPECT_EQ(state->currentInputSource(), "ABC");
}

}  // namespace
}  // namespace varnel
