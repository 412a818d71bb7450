#include "app/self_check.h"

#include "app/app_state.h"
#include "engine/keyboard_engine.h"
#include "model/excluded_applications.h"
#include "model/keyboard_options.h"
#include "model/windows_typing_language.h"
#include "services/launch_at_login_manager.h"

namespace varnel {

namespace {

using TapEcho = SelfCheckProbe::TapEcho;

SelfCheck::StoredValue storedOptions(SettingsStore& settings) {
    const std::string key(AppState::optionsKey);
    const std::optional<std::string> bytes = settings.data(key);
    if (!bytes) {
        return {key, "absent: the defaults are used", true};
    }
    const std::string size = std::to_string(bytes->size()) + " bytes";
    const Decoded<KeyboardOptions> decoded = KeyboardOptions::decode(*bytes);
    if (!decoded) {
        return {key,
                size + ", unreadable (" + decoded.error().message + "): the defaults replace it",
                false};
    }
    return {key, size + ": " + *bytes, true};
}

SelfCheck::StoredValue storedLanguage(SettingsStore& settings) {
    const std::string key(AppState::typingLanguageKey);
    const std::optional<std::string> text = settings.string(key);
    if (!text) {
        return {key, "absent: the language follows the current input source", true};
    }
    const std::string quoted = '"' + *text + '"';
    if (!WindowsTypingLanguage::fromRawValue(*text)) {
        return {key, quoted + ", not a language: the current input source decides", false};
    }
    return {key, quoted, true};
}

SelfCheck::StoredValue storedExclusions(SettingsStore& settings) {
    const std::string key(AppState::excludedApplicationsKey);
    const std::optional<std::string> bytes = settings.data(key);
    if (!bytes) {
        return {key,
                "absent: a first start leaves the installed remote desktops and virtual "
                "machines alone, a later one none",
                true};
    }
    const Decoded<ExcludedApplications> decoded = ExcludedApplications::decode(*bytes);
    if (!decoded) {
        return {key, "unreadable (" + decoded.error().message + "): an empty list replaces it",
                false};
    }
    return {key, *bytes, true};
}

std::string describe(const InputSource& source) {
    return source.identifier.value_or("(no identifier)") + " \"" +
           source.localizedName.value_or("") + '"';
}

class Report {
  public:
    void line(std::string_view mark, std::string_view text) {
        out_.append("  ").append(mark).append(6 - mark.size(), ' ').append(text).append("\n");
    }
    void detail(std::string_view text) { out_.append(10, ' ').append(text).append("\n"); }
    void verdict(std::string_view text) { out_.append(text).append("\n"); }
    std::string take() { return std::move(out_); }

  private:
    std::string out_ = "Varnel self-check\n";
};

// Text a POSIX shell takes as one word, whatever it holds.
std::string shellQuoted(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

// Whose permissions the lines below read: a process started from a terminal is answered for as
// the terminal, so a user who granted Varnel would read FAIL, and one whose terminal is trusted
// a false "ready".
void reportStarter(Report& report, const SelfCheck::Findings& findings) {
    const SelfCheckProbe::Starter& starter = findings.starter;
    if (starter.launchServices) {
        report.line("ok", "Started by: Launch Services; the permissions below are Varnel's own");
        return;
    }
    const std::string from = starter.application.empty()
                                 ? starter.process
                                 : starter.process + " in " + starter.application;
    const std::string owner =
        starter.application.empty() ? "the application that started it" : starter.application;
    report.line("warn", "Started by: " + from +
                            ", not through Launch Services: the permissions, the tap and the "
                            "echo below are those of " +
                            owner + ", not Varnel's");
    report.detail("Run it as Varnel: open -W -n --stdout \"$(tty)\" --stderr \"$(tty)\" " +
                  shellQuoted(findings.location.bundlePath) + " --args --self-check");
}

void reportPermissions(Report& report, const PermissionStatus& permissions) {
    report.line(permissions.accessibility ? "ok" : "FAIL",
                permissions.accessibility ? "Accessibility: granted"
                                          : "Accessibility: not granted (System Settings → "
                                            "Privacy & Security → Accessibility)");
    report.line(permissions.inputMonitoring ? "ok" : "FAIL",
                permissions.inputMonitoring ? "Input Monitoring: granted"
                                            : "Input Monitoring: not granted (System Settings → "
                                              "Privacy & Security → Input Monitoring)");
}

void reportInputSources(Report& report, const SelfCheck::Findings& findings) {
    report.line(findings.installedSources == 0 ? "warn" : "ok",
                "Input sources: " + std::to_string(findings.installedSources) +
                    " installed, current " +
                    (findings.currentSource ? describe(*findings.currentSource) : "none"));
    const auto choice = [&](const char* language, const std::optional<InputSource>& source,
                            const char* wanted) {
        if (source) {
            report.line("ok", std::string("For ") + language + ": " + describe(*source));
        } else {
            report.line("warn", std::string("For ") + language + ": no " + wanted +
                                    " layout; Varnel still types " + language +
                                    " from its own layout");
        }
    };
    choice("English", findings.englishSource, "ABC or U.S.");
    choice("Russian", findings.russianSource, "Russian PC");
    switch (findings.keyboardType) {
        case KeyboardType::ansi: report.line("ok", "Keyboard: ANSI"); break;
        case KeyboardType::iso:
            report.line("ok",
                        "Keyboard: ISO (the keys left of 1 and left of Z trade codes; Varnel types "
                        "what is printed on them)");
            break;
        case KeyboardType::jis: report.line("ok", "Keyboard: JIS"); break;
    }
}

void reportLoginItem(Report& report, int status) {
    switch (status) {
        case LoginItemApi::enabled: report.line("ok", "Login item: enabled"); return;
        case LoginItemApi::notRegistered:
            report.line("ok", "Login item: not registered (start at login is off)");
            return;
        case LoginItemApi::requiresApproval:
            report.line("warn",
                        "Login item: requires approval (System Settings → General → Login Items)");
            return;
        case LoginItemApi::notFound:
            report.line("warn",
                        "Login item: not found (run Varnel.app from Applications, not from the "
                        "disk image or a moved copy)");
            return;
        default: report.line("warn", "Login item: unknown status " + std::to_string(status));
    }
}

void reportLocation(Report& report, const LoginItemApi::Location& location) {
    if (LaunchAtLoginManager::isInApplicationsFolder(location)) {
        report.line("ok", "Location: " + location.bundlePath);
    } else {
        report.line("warn", "Location: " + location.bundlePath +
                                " (not in Applications: Varnel will not start at login from here)");
    }
}

void reportTap(Report& report, TapEcho echo) {
    if (echo == TapEcho::refused) {
        report.line("FAIL", "Keyboard tap: the system refused a listen-only tap");
        report.line("skip", "Event echo: no tap to listen with");
        return;
    }
    report.line("ok", "Keyboard tap: a listen-only tap was created");
    switch (echo) {
        case TapEcho::notPosted:
            report.line("skip", "Event echo: not tried, posting events needs Accessibility");
            return;
        case TapEcho::lost:
            report.line("FAIL", "Event echo: an event posted with Varnel's marker never came back");
            return;
        default:
            report.line("ok", "Event echo: an event posted with Varnel's marker came back");
            return;
    }
}

SelfCheck::StoredValue storedLaunchAtLogin(SettingsStore& settings) {
    const std::string key(AppState::launchAtLoginKey);
    const std::optional<std::string> text = settings.string(key);
    if (!text) {
        return {key,
                "absent: a first start turns start at login on from Applications, a later one "
                "leaves it as it is",
                true};
    }
    const std::string quoted = '"' + *text + '"';
    if (*text == AppState::loginItemAtFirstStart) {
        return {key, quoted + ": the first start from Applications turns start at login on", true};
    }
    if (*text == AppState::loginItemUserDecides) {
        return {key, quoted + ": only the user changes start at login", true};
    }
    return {key, quoted + ", unreadable: only the user changes start at login", false};
}

}  // namespace

SelfCheck::Findings SelfCheck::examine(const Ports& ports) {
    Findings findings;
    findings.systemVersion = ports.probe.systemVersion();
    findings.starter = ports.probe.starter();
    findings.permissions = PermissionManager(ports.permissions).currentStatus();
    findings.secureEventInput = ports.probe.secureEventInputEnabled();
    findings.installedSources = ports.inputSources.installedSources().size();
    findings.currentSource = ports.inputSources.currentKeyboardSource();
    findings.englishSource = ports.inputSourceManager.sourceFor(WindowsTypingLanguage::english);
    findings.russianSource = ports.inputSourceManager.sourceFor(WindowsTypingLanguage::russian);
    findings.keyboardType = ports.inputSources.physicalKeyboardType();
    findings.loginItemStatus = ports.loginItems.status();
    findings.location = ports.loginItems.location();
    // Without Accessibility a posted event is dropped: nothing is posted then.
    findings.tapEcho =
        ports.probe.tapEcho(findings.permissions.accessibility, KeyboardEngine::syntheticMarker);
    findings.settingsDomain = ports.probe.settingsDomain();
    findings.settings.push_back(storedOptions(ports.settings));
    findings.settings.push_back(storedLanguage(ports.settings));
    findings.settings.push_back(
        {std::string(AppState::modeEnabledKey),
         ports.settings.boolValue(AppState::modeEnabledKey) ? "true" : "false", true});
    findings.settings.push_back(storedExclusions(ports.settings));
    findings.settings.push_back(storedLaunchAtLogin(ports.settings));
    return findings;
}

bool SelfCheck::ready(const Findings& findings) {
    return findings.starter.launchServices && findings.permissions.allGranted() &&
           !findings.secureEventInput && findings.tapEcho == TapEcho::echoed;
}

std::string SelfCheck::report(const Findings& findings) {
    Report report;
    report.line("ok", "System: " + findings.systemVersion);
    reportStarter(report, findings);
    reportPermissions(report, findings.permissions);
    report.line(findings.secureEventInput ? "FAIL" : "ok",
                findings.secureEventInput
                    ? "Secure keyboard input: on (a password field or Terminal's Secure "
                      "Keyboard Entry); no tap sees keys until it is off"
                    : "Secure keyboard input: off");
    reportInputSources(report, findings);
    reportLoginItem(report, findings.loginItemStatus);
    reportLocation(report, findings.location);
    reportTap(report, findings.tapEcho);
    bool settingsUsable = true;
    for (const StoredValue& value : findings.settings) {
        settingsUsable = settingsUsable && value.usable;
    }
    report.line(settingsUsable ? "ok" : "warn",
                "Settings: user defaults " + findings.settingsDomain);
    for (const StoredValue& value : findings.settings) {
        report.detail(value.key + ": " + value.description);
    }
    if (!findings.starter.launchServices) {
        report.verdict(
            "Not verified: these are not Varnel's own permissions (see \"Started by\").");
    } else {
        report.verdict(ready(findings) ? "Ready: Varnel can remap the keyboard."
                                       : "Not ready: see the FAIL lines.");
    }
    return report.take();
}

}  // namespace varnel
