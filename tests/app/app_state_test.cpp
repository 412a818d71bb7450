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

TEST_F(AppStateTest, FirstStartWritesOnlyTheOptionsAndTheRecordsBesideThem) {
    mac.inputSources.makeCurrent("com.apple.keylayout.RussianWin");
    launch();
    EXPECT_EQ(state->options(), KeyboardOptions::windowsDefaults);
    EXPECT_EQ(state->typingLanguage(), WindowsTypingLanguage::russian);
    EXPECT_EQ(mac.settings.size(), 3u);
    EXPECT_EQ(mac.settings.data(AppState::excludedApplicationsKey), "[]");
    EXPECT_EQ(storedString(AppState::launchAtLoginKey), "registerAtFirstStart");
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

TEST_F(AppStateTest, KeepsTheFiveKeysAndNothingElse) {
    launch();
    state->toggleMode();
    mac.settle();
    mac.keyboard.press(56);
    mac.keyboard.press(58);  // Shift + Alt: the language is stored
    mac.settle();
    state->setLaunchAtLogin(false);
    state->toggleMode();
    EXPECT_EQ(mac.settings.size(), 5u);
    EXPECT_TRUE(mac.settings.data(AppState::optionsKey));
    EXPECT_EQ(storedString(AppState::typingLanguageKey), "russian");
    EXPECT_TRUE(mac.settings.value(AppState::modeEnabledKey));
}

// Varnel turns start at login on by itself once at most: at the first start of a new
// installation that runs from Applications. What the user chose, or had with an earlier
// version, stays.
TEST_F(AppStateTest, StartAtLoginIsTurnedOnOnlyForANewInstallationInApplications) {
    struct Case {
        const char* story;
        std::optional<std::string> storedRecord;
        bool earlierVersion;   // options stored before the record existed
        const char* location;  // where Varnel runs at its first start
        bool userSwitchedOff;  // before that start
        bool registeredAtFirstStart;
    };
    const Case cases[] = {
        {"new, from Applications", std::nullopt, false, "/Applications/Varnel.app", false, true},
        {"new, from ~/Applications", std::nullopt, false, "/Users/user/Applications/Varnel.app",
         false, true},
        {"new, from the disk image", std::nullopt, false, "/Volumes/Varnel/Varnel.app", false,
         false},
        {"new, switched off first", std::nullopt, false, "/Applications/Varnel.app", true, false},
        {"an earlier version's user", std::nullopt, true, "/Applications/Varnel.app", false, false},
        {"an unreadable record", "maybe", false, "/Applications/Varnel.app", false, false},
        {"the user's choice", "userDecides", false, "/Applications/Varnel.app", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.story);
        mac.settings.clear();
        mac.loginItems.currentStatus = LoginItemApi::notRegistered;
        mac.loginItems.registerCalls = 0;
        mac.loginItems.currentLocation.bundlePath = c.location;
        if (c.storedRecord) {
            mac.settings.setString(AppState::launchAtLoginKey, *c.storedRecord);
        }
        if (c.earlierVersion) {
            mac.settings.setData(AppState::optionsKey, KeyboardOptions::windowsDefaults.encoded());
        }
        launch();
        if (c.userSwitchedOff) {
            state->setLaunchAtLogin(false);
        }
        for (int start = 0; start < 2; ++start) {
            state->toggleMode();
            state->toggleMode();
        }
        mac.settle();
        EXPECT_EQ(mac.loginItems.registerCalls, c.registeredAtFirstStart ? 1 : 0);
        EXPECT_EQ(state->launchAtLogin(), c.registeredAtFirstStart);
        const bool stillPending =
            !c.storedRecord && !c.earlierVersion && !c.userSwitchedOff && !c.registeredAtFirstStart;
        EXPECT_EQ(storedString(AppState::launchAtLoginKey),
                  stillPending ? "registerAtFirstStart" : "userDecides");
    }
    // Moved from the disk image into Applications: its first start there registers it.
    mac.settings.clear();
    mac.loginItems.currentLocation.bundlePath = "/Volumes/Varnel/Varnel.app";
    launch();
    state->toggleMode();
    EXPECT_EQ(mac.loginItems.registerCalls, 0);
    mac.loginItems.currentLocation.bundlePath = "/Applications/Varnel.app";
    launch();
    state->toggleMode();
    EXPECT_EQ(mac.loginItems.registerCalls, 1);
}

TEST_F(AppStateTest, StartAtLoginTheUserSwitchedOffStaysOff) {
    launch();
    state->setLaunchAtLogin(false);
    state->toggleMode();
    mac.notifications.post(SystemNotification::systemDidWake);
    mac.settle();
    state->toggleMode();
    launch();
    state->toggleMode();
    mac.settle();
    EXPECT_FALSE(state->launchAtLogin());
    EXPECT_EQ(mac.loginItems.registerCalls, 0);
    // Switched on again by the user, it is the user's to switch off again.
    state->setLaunchAtLogin(true);
    EXPECT_TRUE(state->launchAtLogin());
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

TEST_F(AppStateTest, SafeModeStopsWithItsOwnMessage) {
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
    EXPECT_FALSE(mac.settings.boolValue(AppState::modeEnabledKey));
    EXPECT_EQ(state->bannerMessage(),
              "За одну секунду возникло слишком много событий. Переназначение отключено, чтобы "
              "клавиши не зациклились.");
}

TEST_F(AppStateTest, HidingClosesTheKeyWindowThenHides) {
    launch();
    state->hideMainWindow();
    state->activateApplication();
    EXPECT_EQ(mac.application.calls,
              (std::vector<std::string>{"closeKeyWindow", "hide", "activate"}));
}

TEST_F(AppStateTest, OptionsChangeSelectsTheSourceOnlyWhenTheSyncIsSwitchedOn) {
    launch();
    KeyboardOptions options = state->options();
    options.fullWindowsTyping = false;
    state->setOptions(options);
    EXPECT_EQ(state->currentInputSource(), "English · Windows · системная: ABC");  // left as it was
    state->toggleMode();
    mac.settle();
    EXPECT_EQ(state->currentInputSource(), "ABC");

    // A layout picked by hand survives any other switch, an equal record included...
    mac.inputSources.makeCurrent("com.apple.keylayout.Russian");
    state->setOptions(state->options());
    options.windowsHomeAndEnd = false;
    state->setOptions(options);
    EXPECT_EQ(mac.inputSources.currentIdentifier(), "com.apple.keylayout.Russian");
    EXPECT_EQ(state->currentInputSource(), "Russian");
    // ...until the sync itself is switched on.
    options.windowsPCLayouts = false;
    state->setOptions(options);
    EXPECT_EQ(mac.inputSources.currentIdentifier(), "com.apple.keylayout.Russian");
    options.windowsPCLayouts = true;
    state->setOptions(options);
    EXPECT_EQ(mac.inputSources.currentIdentifier(), "com.apple.keylayout.ABC");
    EXPECT_EQ(state->currentInputSource(), "ABC");
}

TEST_F(AppStateTest, WakeReadsThePermissionsBeforeItRestarts) {
    struct Case {
        const char* what;
        std::function<void(SimMac&)> duringSleep;
        EngineState::Case endState;
        std::optional<std::string> banner;
    };
    const Case cases[] = {
        {"Accessibility revoked", [](SimMac& m) { m.permissions.accessibility = false; },
         EngineState::Case::stopped, "macOS отозвала необходимое разрешение."},
        {"the restart refused", [](SimMac& m) { m.events.failRunLoopSourceCreation = true; },
         EngineState::Case::failed, "прежний"},
    };
    for (const Case& c : cases) {
        mac.permissions.accessibility = true;
        mac.events.failRunLoopSourceCreation = false;
        launch();
        state->toggleMode();
        mac.settle();
        state->setBannerMessage("прежний");
        c.duringSleep(mac);
        mac.notifications.post(SystemNotification::systemDidWake);
        mac.settle();
        EXPECT_FALSE(state->isModeEnabled()) << c.what;
        EXPECT_EQ(state->engineState().kind(), c.endState) << c.what;
        EXPECT_EQ(state->bannerMessage(), c.banner) << c.what;
        EXPECT_FALSE(mac.settings.boolValue(AppState::modeEnabledKey)) << c.what;
        EXPECT_EQ(mac.events.liveTapCount(), 0u) << c.what;

        // Put right, the main button brings the keyboard back.
        mac.permissions.accessibility = true;
        mac.events.failRunLoopSourceCreation = false;
        state->refreshPermissions();
        state->toggleMode();
        mac.settle();
        EXPECT_EQ(state->engineState().kind(), EngineState::Case::running) << c.what;
        state.reset();
        mac.forgetProcess();
    }
}

TEST_F(AppStateTest, TheLaunchRestoreGivesWayToTheUser) {
    struct Case {
        const char* what;
        std::function<void(SimMac&, AppState&)> beforeRestore;
        bool modeAfter;
    };
    const Case cases[] = {
        {"on and off again",
         [](SimMac& m, AppState& s) {
             s.toggleMode();
             m.settle();
             s.toggleMode();
         },
         false},
        {"on, then the emergency chord",
         [](SimMac& m, AppState& s) {
             s.toggleMode();
             m.settle();
             const std::uint16_t chord[] = {59, 58, 55, 53};  // Ctrl, Alt, Windows, Esc
             for (std::uint16_t key : chord) {
                 m.keyboard.press(key);
                 m.settle();
             }
             for (auto key = std::rbegin(chord); key != std::rend(chord); ++key) {
                 m.keyboard.release(*key);
                 m.settle();
             }
         },
         false},
        {"on", [](SimMac&, AppState& s) { s.toggleMode(); }, true},
    };
    for (const Case& c : cases) {
        mac.settings.setBool(AppState::modeEnabledKey, true);
        launch();
        c.beforeRestore(mac, *state);
        mac.settle();
        state->setBannerMessage(std::nullopt);
        mac.wait(1.0);
        EXPECT_EQ(state->isModeEnabled(), c.modeAfter) << c.what;
        EXPECT_EQ(mac.settings.boolValue(AppState::modeEnabledKey), c.modeAfter) << c.what;
        EXPECT_EQ(state->bannerMessage(), std::nullopt) << c.what;  // no second start
        state.reset();
        mac.forgetProcess();
    }
}

TEST_F(AppStateTest, ARestoreThatCannotStartIsNotWantedAgain) {
    mac.settings.setBool(AppState::modeEnabledKey, true);
    mac.events.failRunLoopSourceCreation = true;
    launch();
    mac.wait(1.0);
    EXPECT_FALSE(state->isModeEnabled());
    EXPECT_EQ(state->engineState().kind(), EngineState::Case::failed);
    EXPECT_FALSE(mac.settings.boolValue(AppState::modeEnabledKey));
}

TEST_F(AppStateTest, APermissionTakenAwayIsNoticedWithinTwoSeconds) {
    launch();
    state->toggleMode();
    mac.settle();
    int announcements = 0;
    state->addObserver([&] { ++announcements; });
    mac.wait(9.0);
    EXPECT_EQ(announcements, 0);  // polls that find all well publish nothing

    mac.permissions.inputMonitoring = false;
    mac.wait(AppState::permissionPollSeconds);
    EXPECT_FALSE(state->isModeEnabled());
    EXPECT_EQ(state->engineState().kind(), EngineState::Case::stopped);
    EXPECT_FALSE(state->permissions().inputMonitoring);
    EXPECT_EQ(state->bannerMessage(), "macOS отозвала необходимое разрешение.");
    EXPECT_FALSE(mac.settings.boolValue(AppState::modeEnabledKey));
    EXPECT_EQ(mac.mainQueue.pendingCount(), 0u);  // polling ends with the mode

    // Switched on and off within one poll's interval: still one poll of each kind on its way
    // (permissions, and secure input with the keyboard type).
    mac.permissions.inputMonitoring = true;
    state->toggleMode();
    state->toggleMode();
    state->toggleMode();
    mac.settle();
    EXPECT_EQ(mac.mainQueue.pendingCount(), 2u);
}

}  // namespace
}  // namespace varnel
