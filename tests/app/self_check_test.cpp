#include "app/self_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/app_state.h"
#include "engine/keyboard_engine.h"
#include "platform/sim/sim_mac.h"

namespace varnel {
namespace {

using TapEcho = SelfCheckProbe::TapEcho;

// The system's answers: a tap is refused without Input Monitoring, as on a Mac.
struct FakeProbe : SelfCheckProbe {
    explicit FakeProbe(SimPermissions& permissions) : permissions(permissions) {}

    std::string systemVersion() override { return "macOS Version 14.2.1 (Build 23C71)"; }
    bool secureEventInputEnabled() override { return secureInput; }
    std::string settingsDomain() override { return "app.varnel.Varnel"; }
    Starter starter() override { return started; }
    TapEcho tapEcho(bool post, std::int64_t marker) override {
        posted = post;
        postedMarker = marker;
        if (!permissions.inputMonitoring) {
            return TapEcho::refused;
        }
        return post ? echo : TapEcho::notPosted;
    }

    SimPermissions& permissions;
    Starter started{true, "launchd", {}};
    bool secureInput = false;
    TapEcho echo = TapEcho::echoed;
    std::optional<bool> posted;
    std::int64_t postedMarker = 0;
};

struct SelfCheckFixture {
    SimMac mac;
    FakeProbe probe{mac.permissions};

    SelfCheck::Findings examine() {
        return SelfCheck::examine({probe, mac.permissions, mac.inputSources, mac.inputSourceManager,
                                   mac.loginItems, mac.settings});
    }
};

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

TEST(SelfCheckTest, ReadyOnlyWhenTheKeyboardCanBeRemapped) {
    struct Case {
        const char* name;
        std::function<void(SelfCheckFixture&)> arrange;
        bool ready;
        std::vector<std::string_view> lines;
    };
    const std::vector<Case> cases{
        {"everything in place",
         [](SelfCheckFixture&) {},
         true,
         {"  ok    Event echo: an event posted with Varnel's marker came back\n",
          "\nReady: Varnel can remap the keyboard.\n"}},
        {"no Accessibility: nothing is posted",
         [](SelfCheckFixture& f) { f.mac.permissions.accessibility = false; },
         false,
         {"  FAIL  Accessibility: not granted", "  ok    Keyboard tap: a listen-only tap",
          "  skip  Event echo: not tried, posting events needs Accessibility\n",
          "\nNot ready: see the FAIL lines.\n"}},
        {"no Input Monitoring: no tap",
         [](SelfCheckFixture& f) { f.mac.permissions.inputMonitoring = false; },
         false,
         {"  FAIL  Input Monitoring: not granted",
          "  FAIL  Keyboard tap: the system refused a listen-only tap\n",
          "  skip  Event echo: no tap to listen with\n"}},
        {"secure input on",
         [](SelfCheckFixture& f) { f.probe.secureInput = true; },
         false,
         {"  FAIL  Secure keyboard input: on"}},
        {"the posted event is lost",
         [](SelfCheckFixture& f) { f.probe.echo = TapEcho::lost; },
         false,
         {"  FAIL  Event echo: an event posted with Varnel's marker never came back\n"}},
        // What the system answered was the terminal's: neither ready nor a FAIL of Varnel's.
        {"started from a terminal",
         [](SelfCheckFixture& f) {
             f.probe.started = {false, "zsh", "Terminal"};
             f.mac.loginItems.currentLocation.bundlePath = "/Users/me/Varnel's build/Varnel.app";
         },
         false,
         {"  warn  Started by: zsh in Terminal, not through Launch Services: the permissions, "
          "the tap and the echo below are those of Terminal, not Varnel's\n"
          "          Run it as Varnel: open -W -n --stdout \"$(tty)\" --stderr \"$(tty)\" "
          "'/Users/me/Varnel'\\''s build/Varnel.app' --args --self-check\n",
          "\nNot verified: these are not Varnel's own permissions (see \"Started by\").\n"}},
        {"started by a process outside any application",
         [](SelfCheckFixture& f) {
             f.probe.started = {false, "sshd", {}};
         },
         false,
         {"  warn  Started by: sshd, not through Launch Services: the permissions, the tap and "
          "the echo below are those of the application that started it, not Varnel's\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SelfCheckFixture f;
        c.arrange(f);
        const SelfCheck::Findings findings = f.examine();
        const std::string report = SelfCheck::report(findings);
        EXPECT_EQ(SelfCheck::ready(findings), c.ready) << report;
        for (std::string_view line : c.lines) {
            EXPECT_TRUE(contains(report, line)) << line << "\nin:\n" << report;
        }
        EXPECT_EQ(f.probe.posted, f.mac.permissions.accessibility);
        EXPECT_EQ(f.probe.postedMarker, KeyboardEngine::syntheticMarker);
    }
}

TEST(SelfCheckTest, ReportsWhatABugReportAsksFor) {
    SelfCheckFixture f;
    f.mac.loginItems.currentStatus = LoginItemApi::enabled;
    f.mac.settings.setData(AppState::optionsKey, KeyboardOptions::windowsDefaults.encoded());
    f.mac.settings.setString(AppState::typingLanguageKey, "russian");
    f.mac.settings.setBool(AppState::modeEnabledKey, true);
    f.mac.settings.setData(AppState::excludedApplicationsKey, R"(["com.utmapp.UTM"])");
    f.mac.settings.setString(AppState::launchAtLoginKey, "userDecides");
    f.mac.inputSources.keyboardType = KeyboardType::iso;
    const std::string options = KeyboardOptions::windowsDefaults.encoded();
    EXPECT_EQ(SelfCheck::report(f.examine()),
              "Varnel self-check\n"
              "  ok    System: macOS Version 14.2.1 (Build 23C71)\n"
              "  ok    Started by: Launch Services; the permissions below are Varnel's own\n"
              "  ok    Accessibility: granted\n"
              "  ok    Input Monitoring: granted\n"
              "  ok    Secure keyboard input: off\n"
              "  ok    Input sources: 4 installed, current com.apple.keylayout.ABC \"ABC\"\n"
              "  ok    For English: com.apple.keylayout.ABC \"ABC\"\n"
              "  ok    For Russian: com.apple.keylayout.RussianWin \"Russian – PC\"\n"
              "  ok    Keyboard: ISO (the keys left of 1 and left of Z trade codes; Varnel "
              "types what is printed on them)\n"
              "  ok    Login item: enabled\n"
              "  ok    Location: /Applications/Varnel.app\n"
              "  ok    Keyboard tap: a listen-only tap was created\n"
              "  ok    Event echo: an event posted with Varnel's marker came back\n"
              "  ok    Settings: user defaults app.varnel.Varnel\n"
              "          keyboardOptions.v3: " +
                  std::to_string(options.size()) + " bytes: " + options +
                  "\n"
                  "          typingLanguage.v3: \"russian\"\n"
                  "          modeEnabled: true\n"
                  "          excludedApplications.v1: [\"com.utmapp.UTM\"]\n"
                  "          launchAtLogin.v1: \"userDecides\": only the user changes start at "
                  "login\n"
                  "Ready: Varnel can remap the keyboard.\n");
}

TEST(SelfCheckTest, WarnsOfWhatVarnelWorksAround) {
    SelfCheckFixture f;
    f.mac.inputSources.clear();
    f.mac.loginItems.currentStatus = LoginItemApi::notFound;
    f.mac.loginItems.currentLocation.bundlePath = "/Volumes/Varnel/Varnel.app";
    f.mac.settings.setString(AppState::launchAtLoginKey, "yes");
    f.mac.settings.setData(AppState::optionsKey, "{not json");
    f.mac.settings.setString(AppState::typingLanguageKey, "Russian");
    f.mac.settings.setData(AppState::excludedApplicationsKey, "{}");
    const SelfCheck::Findings findings = f.examine();
    const std::string report = SelfCheck::report(findings);
    for (std::string_view line : {
             "  warn  Input sources: 0 installed, current none\n",
             "  warn  For English: no ABC or U.S. layout; Varnel still types English from its own "
             "layout\n",
             "  warn  For Russian: no Russian PC layout; Varnel still types Russian from its own "
             "layout\n",
             "  warn  Login item: not found",
             "  warn  Location: /Volumes/Varnel/Varnel.app (not in Applications: Varnel will not "
             "start at login from here)\n",
             "          launchAtLogin.v1: \"yes\", unreadable: only the user changes start at "
             "login\n",
             "  warn  Settings: user defaults app.varnel.Varnel\n",
             "          keyboardOptions.v3: 9 bytes, unreadable (",
             "          typingLanguage.v3: \"Russian\", not a language: the current input source "
             "decides\n",
             "          modeEnabled: false\n",
             "          excludedApplications.v1: unreadable (excluded applications: expected an "
             "array): an empty list replaces it\n",
         }) {
        EXPECT_TRUE(contains(report, line)) << line << "\nin:\n" << report;
    }
    EXPECT_TRUE(SelfCheck::ready(findings));  // none of these stops the remapping
}

TEST(SelfCheckTest, ChangesNothing) {
    SelfCheckFixture f;
    f.mac.permissions.accessibility = false;
    f.mac.permissions.inputMonitoring = false;
    f.mac.inputSources.makeCurrent("com.apple.keylayout.US");
    f.examine();
    EXPECT_EQ(f.mac.settings.size(), 0u);
    EXPECT_EQ(f.mac.permissions.accessibilityPrompts, 0);
    EXPECT_EQ(f.mac.permissions.inputMonitoringRequests, 0);
    EXPECT_TRUE(f.mac.inputSources.enabled.empty());
    EXPECT_TRUE(f.mac.inputSources.selected.empty());
    EXPECT_EQ(f.mac.inputSources.currentIdentifier(), "com.apple.keylayout.US");
    EXPECT_EQ(f.mac.loginItems.registerCalls + f.mac.loginItems.unregisterCalls, 0);
}

}  // namespace
}  // namespace varnel
