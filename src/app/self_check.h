#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/self_check_probe.h"
#include "app/settings_store.h"
#include "services/input_source_manager.h"
#include "services/login_item_api.h"
#include "services/permission_manager.h"

namespace varnel {

// What a bug report asks for and a first tester runs: everything Varnel needs from the
// system, read without prompting, selecting or storing anything, and a short report of it.
class SelfCheck {
  public:
    // Everything the self-check reads from.
    struct Ports {
        SelfCheckProbe& probe;
        PermissionApi& permissions;
        InputSourceApi& inputSources;
        InputSourceManager& inputSourceManager;
        LoginItemApi& loginItems;
        SettingsStore& settings;
    };

    // What is stored under a key, as the report words it: a text of the report whose %1, %2...
    // are `values`, translated when the report is.
    struct StoredValue {
        std::string key;
        const char* description = "%1";
        std::vector<std::string> values;
        bool usable = true;  // false: the application replaces or ignores it
    };

    struct Findings {
        std::string systemVersion;
        SelfCheckProbe::Starter starter;
        PermissionStatus permissions;
        bool secureEventInput = false;
        std::size_t installedSources = 0;
        std::optional<InputSource> currentSource;
        std::optional<InputSource> englishSource;
        std::optional<InputSource> russianSource;
        KeyboardType keyboardType = KeyboardType::ansi;
        int loginItemStatus = LoginItemApi::notRegistered;
        LoginItemApi::Location location;
        SelfCheckProbe::TapEcho tapEcho = SelfCheckProbe::TapEcho::refused;
        std::string settingsDomain;
        std::vector<StoredValue> settings;
    };

    enum class Verdict {
        ready,
        notReady,
        notVerified,  // started otherwise than as Varnel: the system answered for another
    };

    // The context of the report's texts in the translations.
    static constexpr const char* textContext = "SelfCheck";
    // A text of the report in the reader's language, from its Russian source.
    using Translate = std::function<std::string(const char* source)>;

    static Findings examine(const Ports& ports);
    // The five stored settings, as the report words them.
    static std::vector<StoredValue> storedSettings(SettingsStore& settings);
    // Started as Varnel itself, both permissions, secure input off and an event that came back
    // through a tap: the keyboard can be remapped now.
    static bool ready(const Findings& findings);
    static Verdict verdict(const Findings& findings);
    // One line per finding, marked ok, warn, FAIL or skip, then the verdict in words, in the
    // language `translate` gives (without it, Russian). The marks and the last line stay the
    // same in every language, for scripts: "verdict: ready", "verdict: not-ready" or
    // "verdict: not-verified".
    static std::string report(const Findings& findings, const Translate& translate = {});
};

}  // namespace varnel
