#pragma once

#include <cstddef>
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

    struct StoredValue {
        std::string key;
        std::string description;  // what is stored, as the report shows it
        bool usable = true;       // false: the application replaces or ignores it
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

    static Findings examine(const Ports& ports);
    // Started as Varnel itself, both permissions, secure input off and an event that came back
    // through a tap: the keyboard can be remapped now.
    static bool ready(const Findings& findings);
    // One line per finding, marked ok, warn, FAIL or skip, and the verdict last.
    static std::string report(const Findings& findings);
};

}  // namespace varnel
