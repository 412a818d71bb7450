#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/application_control.h"
#include "app/keyboard_focus.h"
#include "app/settings_store.h"
#include "app/system_notifications.h"
#include "app/workspace.h"
#include "engine/event_platform.h"
#include "engine/keyboard_engine.h"
#include "engine/main_queue.h"
#include "model/application_profile.h"
#include "model/diagnostic_snapshot.h"
#include "model/engine_state.h"
#include "model/excluded_applications.h"
#include "model/keyboard_options.h"
#include "model/windows_typing_language.h"
#include "services/input_source_manager.h"
#include "services/launch_at_login_manager.h"
#include "services/login_item_api.h"
#include "services/permission_manager.h"
#include "services/secure_input_api.h"

namespace varnel {

// What the window's mode card says of the start that turned the mode on, while it stays on.
struct ModeNotice {
    enum class Kind {
        started,   // by the user
        restored,  // at launch, as it was when Varnel last ran
    };
    Kind kind = Kind::started;
    // The input source manager's reason when the system's layout could not follow the typing
    // language: the mode works all the same, on Varnel's own layouts.
    std::optional<std::string> layoutWarning;

    friend bool operator==(const ModeNotice&, const ModeNotice&) = default;
};

// Everything the controller reaches the system through. `inputSources` is the
// application's one InputSourceManager, owned by whoever wires the application.
struct AppPlatform {
    EventPlatform& events;
    MainQueue& mainQueue;
    SettingsStore& settings;
    SystemNotifications& notifications;
    ApplicationControl& application;
    PermissionApi& permissions;
    InputSourceManager& inputSources;
    LoginItemApi& loginItems;
    Workspace& workspace;
    SecureInputApi& secureInput;
    KeyboardFocus& focus;
};

// The one controller of the running application and the one object the interface
// observes. It owns the keyboard engine, keeps the settings, turns the Windows mode on and
// off and carries what the engine reports over to the interface. Main thread only.
//
// Every assignment of a published property is announced to the observers before the value
// is stored, even when it does not change; observers coalesce announcements into one
// refresh. Deferred work holds the controller weakly and does nothing once it is gone.
class AppState : public std::enable_shared_from_this<AppState> {
  public:
    static constexpr std::string_view optionsKey = "keyboardOptions.v3";
    static constexpr std::string_view typingLanguageKey = "typingLanguage.v3";
    static constexpr std::string_view modeEnabledKey = "modeEnabled";
    static constexpr std::string_view excludedApplicationsKey = "excludedApplications.v1";
    // Whether Varnel may still turn start at login on by itself: only a new installation, once,
    // at its first start from an Applications folder. The user's choice is never overridden.
    static constexpr std::string_view launchAtLoginKey = "launchAtLogin.v1";
    static constexpr std::string_view loginItemAtFirstStart = "registerAtFirstStart";
    static constexpr std::string_view loginItemUserDecides = "userDecides";
    static constexpr double restoreDelaySeconds = 0.7;
    // While the mode is on the permissions are re-read this often, so that one taken away
    // is noticed without a click.
    static constexpr double permissionPollSeconds = 2.0;
    // While the mode is on, secure input is read this often.
    static constexpr double systemPollSeconds = 1.0;

    // Creates the controller and runs its start-up: settings loaded, engine bound,
    // permissions read, notifications observed, the mode restored 0.7 s later if it was on.
    // The application makes one and hands it to every view.
    static std::shared_ptr<AppState> make(const AppPlatform& platform);
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // Published properties.
    bool isModeEnabled() const { return isModeEnabled_; }
    const EngineState& engineState() const { return engineState_; }
    const PermissionStatus& permissions() const { return permissions_; }
    const std::string& currentInputSource() const { return currentInputSource_; }
    WindowsTypingLanguage typingLanguage() const { return typingLanguage_; }
    const KeyboardOptions& options() const { return options_; }
    bool launchAtLogin() const { return launchAtLogin_; }
    const DiagnosticSnapshot& diagnostic() const { return diagnostic_; }
    // Failures and what the user must act on: shown as an alert.
    const std::optional<std::string>& bannerMessage() const { return bannerMessage_; }
    // Successes: shown in the mode card while the mode is on.
    const std::optional<ModeNotice>& modeNotice() const { return modeNotice_; }
    // The applications left alone, the one in front now (none until the system named one) with
    // its name, and the last one other than Varnel that was in front: what "add" offers.
    const ExcludedApplications& excludedApplications() const { return excludedApplications_; }
    const std::optional<Workspace::Application>& frontmostApplication() const { return frontmost_; }
    const std::string& frontmostName() const { return frontmostName_; }
    bool isFrontmostExcluded() const;
    const std::optional<std::string>& previousApplication() const { return previousApplication_; }
    // Secure input as Varnel last read it (while the mode is on). While it is on the remapping
    // pauses, and, with its notice switch on, the interface says so.
    bool secureInputEnabled() const { return secureInputEnabled_; }
    bool isPausedBySecureInput() const { return isModeEnabled_ && secureInputEnabled_; }
    bool showsSecureInputNotice() const {
        return isPausedBySecureInput() && options_.secureInputNotice;
    }
    // The profile of the application in front, as in force (standard when its switch is off),
    // and, while the mode is on and the profile depends on it, the kind of element with the
    // keyboard focus there (unknown otherwise).
    const ApplicationKind& applicationProfile() const { return applicationProfile_; }
    KeyboardFocus::Kind focusKind() const { return focusKind_; }

    // The feature switches: stored, handed to the engine, and the input source followed.
    void setOptions(const KeyboardOptions& options);
    // Views dismiss the banner by setting it absent.
    void setBannerMessage(std::optional<std::string> message);
    // As the engine's Shift + Alt does it: stored, and the input source follows.
    void setTypingLanguage(WindowsTypingLanguage language);

    void toggleMode();
    void enableMode();
    void requestPermissions();
    void refreshPermissions();
    void setLaunchAtLogin(bool wanted, bool silently = false);
    void hideMainWindow();
    // Before the application quits: the engine stops and hands the keys back. The mode stays
    // wanted, so that the next launch brings it back.
    void stopForQuit();
    void activateApplication();
    void openAccessibilitySettings();
    void openInputMonitoringSettings();

    // What the list of applications left alone does: each change is stored at once and takes
    // effect on the application in front.
    void addExcludedApplication(std::string_view bundleIdentifier);
    void removeExcludedApplication(std::string_view bundleIdentifier);
    void setExcludedApplications(const ExcludedApplications& list);
    // Adds the well-known remote desktops and virtual machines that are installed.
    void restoreSuggestedExclusions();
    // Those restoreSuggestedExclusions() would add now.
    std::vector<std::string> missingSuggestions() const;
    // The name the system shows for an installed application, else the identifier itself.
    std::string applicationName(std::string_view bundleIdentifier) const;
    // The application's icon as PNG data, or none.
    std::optional<std::string> applicationIcon(std::string_view bundleIdentifier, int pixels) const;

    // Observers are told before every assignment of a published property.
    using ObserverId = std::uint64_t;
    ObserverId addObserver(std::function<void()> willChange);
    void removeObserver(ObserverId id);

    // Whether the engine holds a synthetic modifier down right now (for invariant checks).
    bool engineHoldsModifier() const { return engine_->holdsSyntheticModifier(); }
    // Whether the mode stored as on at launch is still to be restored (for invariant checks).
    bool isModeRestorePending() const { return restorePending_; }
    // Whether a start refused for missing permissions goes ahead once they are granted.
    bool isStartWaitingForPermissions() const { return startWaitingForPermissions_.has_value(); }
    // Whether the engine passes everything as it is while the mode is on (for invariant checks).
    bool isEnginePaused() const { return enginePaused_; }
    // Whether files cut in Finder wait to be moved (for invariant checks).
    bool engineHasFilesCut() const { return engine_->keyContext().filesCut; }

  private:
    explicit AppState(const AppPlatform& platform);
    void initialise();
    void bindEngine();
    void observeSystem();
    void optionsChanged(bool layoutsWereSynced);
    void updateInputSourceDescription();
    void storeModeEnabled(bool enabled);
    void restoreMode();
    void startMode(ModeNotice::Kind notice);
    // The mode reads off and is no longer wanted at the next launch; the engine is left as is.
    void markModeOff();
    void stopMode();
    // What every road that finds a permission missing while the mode is on ends in: the mode
    // stopped with its banner. Nothing when the mode is off.
    void stopForMissingPermission();
    // Runs `poll` after `seconds`, unless one is on its way already (`scheduled`, which the
    // poll clears when it runs).
    void schedulePoll(double seconds, bool& scheduled, void (AppState::*poll)());
    void schedulePermissionPoll();
    void pollPermissions();
    void handleEmergencyStop();
    void handleLanguageToggle(WindowsTypingLanguage language);
    void handlePermissionLost();
    void handleWake();
    // Applications left alone and secure input (app_state_pause.cpp).
    void loadExcludedApplications(bool freshInstall);
    // Start at login (app_state_login.cpp).
    void loadLaunchAtLoginRecord(bool freshInstall);
    void leaveLaunchAtLoginToTheUser();
    void registerLoginItemAtFirstStart();
    void storeExcludedApplications();
    // Applies `edit` (returning whether it changed anything) to the list, stored at once.
    template <class Edit>
    void editExcludedApplications(Edit edit);
    void applicationActivated(const Workspace::Application& application);
    // Whether the input source is to be left alone now; if so, it is selected later.
    bool inputSourceWaits();
    // Reads secure input and hands the engine what follows from it.
    void readSystemState();
    void updateEnginePause();
    // The application in front and its focus, handed to the engine (app_state_profile.cpp).
    void updateKeyContext();
    void followFocus(bool wanted);
    void focusChanged(KeyboardFocus::Kind kind);
    void scheduleSystemPoll();
    void pollSystem();
    // Runs `work` on the main queue with the controller, if it still exists then.
    template <class Work>
    static void dispatch(std::weak_ptr<AppState> weak, MainQueue& queue, Work work);

    template <class T, class V>
    void publish(T& property, V&& value) {
        announceChange();
        property = std::forward<V>(value);
    }
    void announceChange();

    bool isModeEnabled_ = false;
    EngineState engineState_ = EngineState::stopped();
    PermissionStatus permissions_;
    std::string currentInputSource_{InputSourceManager::unknownSourceName};
    WindowsTypingLanguage typingLanguage_ = WindowsTypingLanguage::english;
    KeyboardOptions options_ = KeyboardOptions::windowsDefaults;
    bool launchAtLogin_ = false;
    DiagnosticSnapshot diagnostic_;
    std::optional<std::string> bannerMessage_;
    std::optional<ModeNotice> modeNotice_;
    ExcludedApplications excludedApplications_;
    std::optional<Workspace::Application> frontmost_;
    std::string frontmostName_;
    std::optional<std::string> previousApplication_;
    bool secureInputEnabled_ = false;
    ApplicationKind applicationProfile_;
    KeyboardFocus::Kind focusKind_ = KeyboardFocus::Kind::unknown;

    bool restorePending_ = false;             // until the mode is started or stopped, by anyone
    bool registersLoginItemAtStart_ = false;  // a new installation that has not started yet
    // A start refused for missing permissions, until they are granted.
    std::optional<ModeNotice::Kind> startWaitingForPermissions_;
    bool permissionPollScheduled_ = false;  // at most one poll is on its way
    bool systemPollScheduled_ = false;
    bool enginePaused_ = false;
    // A selection put off while an application left alone was in front.
    bool inputSourceWaiting_ = false;
    ApplicationKind frontKind_;  // the front application's profile in the table
    // The focus followed, and whose: the front application's while it needs following.
    ObserverToken focusFollowing_;
    std::optional<Workspace::Application> focusFollowed_;

    AppPlatform platform_;
    PermissionManager permissionManager_;
    LaunchAtLoginManager launchAtLoginManager_;
    std::vector<ObserverToken> observers_;  // system notifications, kept for life
    std::vector<std::pair<ObserverId, std::function<void()>>> changeObservers_;
    ObserverId nextObserverId_ = 1;
    std::shared_ptr<KeyboardEngine> engine_;  // last: its destruction still reports
};

}  // namespace varnel
