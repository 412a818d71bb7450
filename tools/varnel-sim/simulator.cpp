#include "simulator.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/settings_transfer.h"
#include "platform/sim/sim_key_names.h"

namespace varnel::sim {

namespace {

using Verb = Command::Verb;

std::string onOff(bool on) {
    return on ? "on" : "off";
}

std::string storedValue(const std::optional<MemorySettingsStore::Value>& value) {
    if (!value) {
        return "absent";
    }
    if (auto* data = std::get_if<MemorySettingsStore::Data>(&*value)) {
        return SimKeyNames::quoted(data->bytes);
    }
    if (auto* text = std::get_if<std::string>(&*value)) {
        return SimKeyNames::quoted(*text);
    }
    return std::get<bool>(*value) ? "true" : "false";
}

std::string keyboardName(std::optional<KeyboardType> keyboard) {
    if (!keyboard) {
        return "none";
    }
    switch (*keyboard) {
        case KeyboardType::iso: return "iso";
        case KeyboardType::jis: return "jis";
        default: return "ansi";
    }
}

}  // namespace

Simulator::Simulator(std::function<void(const std::string&)> output) : output_(std::move(output)) {
    mac_.events.onReceive = [this](const ReceivedEvent& event) {
        print("app: " + SimKeyNames::describe(event));
    };
    mac_.events.onMisuse = [this](const std::string& what) { print("system: " + what); };
}

Simulator::~Simulator() {
    app_.reset();
    mac_.forgetProcess();
}

void Simulator::launch() {
    if (!app_) {
        app_ = AppState::make(mac_.platform());
        mac_.settle();
    }
}

void Simulator::quit() {
    if (!app_) {
        return;
    }
    mac_.notifications.post(SystemNotification::applicationWillTerminate);
    mac_.settle();
    app_.reset();
    mac_.forgetProcess();
    mac_.settle();
}

std::optional<std::string> Simulator::run(const Command& command) {
    if (!command.isSetUp()) {
        launch();
    }
    std::optional<std::string> error;
    switch (command.verb) {
        case Verb::press:
        case Verb::release:
        case Verb::tap:
        case Verb::chord:
        case Verb::repeat: error = runKeys(command); break;
        default:
            if (command.isSetUp()) {
                error = runSetUp(command);
            } else {
                runPerson(command);
            }
    }
    mac_.settle();
    return error;
}

std::optional<std::string> Simulator::runSetUp(const Command& command) {
    auto& sources = mac_.inputSources;
    switch (command.verb) {
        case Verb::permission:
            (command.name == "accessibility" ? mac_.permissions.accessibility
                                             : mac_.permissions.inputMonitoring) = command.on;
            break;
        case Verb::inputSourceAdd:
            sources.add(command.name, command.hasText ? std::optional(command.text) : std::nullopt);
            break;
        case Verb::inputSourceRemove:
        case Verb::inputSourceCurrent: {
            const bool found = command.verb == Verb::inputSourceRemove
                                   ? sources.remove(command.name)
                                   : sources.makeCurrent(command.name);
            if (!found) {
                return "no input source \"" + command.name + "\" is installed";
            }
            break;
        }
        case Verb::inputSourceFailEnable:
            sources.enableResults = {static_cast<int>(command.number)};
            break;
        case Verb::inputSourceFailSelect:
            sources.selectResults = {static_cast<int>(command.number)};
            break;
        case Verb::loginItemStatus:
            mac_.loginItems.currentStatus = static_cast<int>(command.number);
            break;
        case Verb::loginItemFail: mac_.loginItems.nextFailure = command.text; break;
        case Verb::loginItemPath: mac_.loginItems.currentLocation.bundlePath = command.text; break;
        case Verb::defaultsSetData: mac_.settings.setData(command.name, command.text); break;
        case Verb::defaultsSetString: mac_.settings.setString(command.name, command.text); break;
        case Verb::defaultsSetBool: mac_.settings.setBool(command.name, command.on); break;
        case Verb::defaultsDelete: mac_.settings.remove(command.name); break;
        case Verb::secureInput: mac_.secureInput.enabled = command.on; break;
        case Verb::frontmost: mac_.workspace.activate(command.name); break;
        case Verb::focus:
            mac_.focus.set(command.on ? KeyboardFocus::Kind::textEntry
                                      : KeyboardFocus::Kind::other);
            break;
        case Verb::busy: mac_.runLoop.busy(command.seconds); break;
        case Verb::tapThread: mac_.events.failTapThreadCreation = !command.on; break;
        case Verb::systemVersion:
            mac_.workspace.systemVersion = static_cast<int>(command.number);
            break;
        case Verb::keyboardType:
            mac_.keyboard.layout = command.name == "iso"   ? KeyboardType::iso
                                   : command.name == "jis" ? KeyboardType::jis
                                                           : KeyboardType::ansi;
            mac_.inputSources.keyboardType = mac_.keyboard.layout;  // the one typed on last
            break;
        case Verb::applicationAdd:
            mac_.workspace.install(command.name, command.hasText ? command.text : command.name);
            break;
        case Verb::applicationRemove:
            if (!mac_.workspace.uninstall(command.name)) {
                return "no application \"" + command.name + "\" is installed";
            }
            break;
        case Verb::fileWrite: {
            std::ofstream out(command.path, std::ios::binary | std::ios::trunc);
            for (std::int64_t i = 0; i < command.number && out; ++i) {
                out << command.text;
            }
            if (!out) {
                return "cannot write \"" + command.path + "\"";
            }
            break;
        }
        case Verb::fileShow: {
            std::ifstream in(command.path, std::ios::binary);
            if (!in) {
                return "cannot read \"" + command.path + "\"";
            }
            const std::string text{std::istreambuf_iterator<char>(in), {}};
            print("file: " + SimKeyNames::quoted(text));
            break;
        }
        case Verb::help: {
            std::istringstream help(commandHelp());
            for (std::string line; std::getline(help, line);) {
                print(line);
            }
            break;
        }
        case Verb::launch: launch(); break;
        case Verb::quit: quit(); break;
        default: break;
    }
    return std::nullopt;
}

std::optional<std::string> Simulator::runKeys(const Command& command) {
    SimKeyboard& keyboard = mac_.keyboard;
    const auto name = [&](std::uint16_t key) {
        return SimKeyNames::canonicalName(key, keyboard.layout);
    };
    // A key named is the key printed so, whose code depends on the keyboard.
    std::vector<std::uint16_t> keys = command.keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (command.keysByName[i]) {
            keys[i] = ansiPositionKeyCode(keys[i], keyboard.layout);
        }
    }
    // Each physical event, and everything it caused, reaches the application before the
    // main queue runs.
    const auto press = [&](std::uint16_t key) {
        keyboard.press(key);
        mac_.settle();
    };
    const auto release = [&](std::uint16_t key) {
        keyboard.release(key);
        mac_.settle();
    };
    const std::uint16_t first = keys.front();
    switch (command.verb) {
        case Verb::press:
        case Verb::tap:
            if (keyboard.isDown(first)) {
                return name(first) + " is already down";
            }
            press(first);
            if (command.verb == Verb::tap) {
                release(first);
            }
            break;
        case Verb::release:
            if (!keyboard.isDown(first)) {
                return name(first) + " is not down";
            }
            release(first);
            break;
        case Verb::repeat:
            if (SimKeyboard::isModifierKey(first)) {
                return name(first) + " is a modifier key and does not repeat";
            }
            if (!keyboard.isDown(first)) {
                return name(first) + " is not held";
            }
            for (std::int64_t i = 0; i < command.number; ++i) {
                keyboard.repeat(first);
                mac_.settle();
            }
            break;
        case Verb::chord:
            for (std::size_t i = 0; i < keys.size(); ++i) {
                const std::uint16_t key = keys[i];
                if (keyboard.isDown(key)) {
                    return name(key) + " is already down";
                }
                if (std::find(keys.begin(), keys.begin() + i, key) != keys.begin() + i) {
                    return "the chord names " + name(key) + " twice";
                }
            }
            for (std::uint16_t key : keys) {
                press(key);
            }
            for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
                release(*it);
            }
            break;
        default: break;
    }
    return std::nullopt;
}

void Simulator::runPerson(const Command& command) {
    switch (command.verb) {
        case Verb::wait: mac_.wait(command.seconds); break;
        case Verb::toggle: app_->toggleMode(); break;
        case Verb::option: {
            KeyboardOptions options = app_->options();
            for (const auto& field : KeyboardOptions::fields) {
                if (field.name == command.name) {
                    options.*field.member = command.on;
                }
            }
            app_->setOptions(options);
            break;
        }
        case Verb::login: app_->setLaunchAtLogin(command.on); break;
        case Verb::request: app_->requestPermissions(); break;
        case Verb::refresh: app_->refreshPermissions(); break;
        case Verb::dismiss: app_->setBannerMessage(std::nullopt); break;
        case Verb::wake: mac_.notifications.post(SystemNotification::systemDidWake); break;
        case Verb::click:
        case Verb::drag: {
            const SimMouse::Button button = command.name == "right"   ? SimMouse::Button::right
                                            : command.name == "other" ? SimMouse::Button::other
                                                                      : SimMouse::Button::left;
            command.verb == Verb::click ? mac_.mouse.click(button) : mac_.mouse.drag(button);
            break;
        }
        case Verb::excludeAdd: app_->addExcludedApplication(command.name); break;
        case Verb::excludeRemove: app_->removeExcludedApplication(command.name); break;
        case Verb::excludeRestore: app_->restoreSuggestedExclusions(); break;
        case Verb::tapDisable:
            mac_.events.disableTapsBySystem(command.name == "timeout"
                                                ? EventType::tapDisabledByTimeout
                                                : EventType::tapDisabledByUserInput,
                                            command.on);
            break;
        case Verb::settingsExport:
            print(
                "settings: " +
                SimKeyNames::quoted(SettingsTransfer::write(*app_, command.path).message.filled()));
            break;
        case Verb::settingsImport: importSettings(command.path); break;
        case Verb::show: show(command.name); break;
        default: break;
    }
}

// What the window shows before it asks, then the import applied without asking.
void Simulator::importSettings(const std::string& path) {
    const SettingsTransfer::Import import = SettingsTransfer::read(*app_, path);
    if (import.failure) {
        print("settings: " + SimKeyNames::quoted(SettingsFile::reason(*import.failure)));
        return;
    }
    const SettingsFile::Settings& after = import.after;
    for (const SettingsTransfer::Change& change : import.changes()) {
        using Kind = SettingsTransfer::Change::Kind;
        switch (change.kind) {
            case Kind::option: {
                const auto& field = KeyboardOptions::fields[change.field];
                print("settings: option " + std::string(field.name) + "=" +
                      onOff(after.options.*field.member));
                break;
            }
            case Kind::typingLanguage:
                print("settings: language=" + std::string(after.typingLanguage.rawValue()));
                break;
            case Kind::excludedApplications: {
                std::string ids;
                for (const std::string& id : after.excludedApplications.bundleIdentifiers) {
                    ids.append(ids.empty() ? "" : " ").append(id);
                }
                print("settings: exclusions=" + (ids.empty() ? std::string("none") : ids));
                break;
            }
            case Kind::launchAtLogin: print("settings: login=" + onOff(after.launchAtLogin)); break;
        }
    }
    for (const SettingsTransfer::Message& note : import.notes()) {
        print("settings: " + SimKeyNames::quoted(note.filled()));
    }
    if (const auto message = SettingsTransfer::apply(*app_, import)) {
        print("settings: " + SimKeyNames::quoted(message->filled()));
    }
}

void Simulator::show(const std::string& what) {
    const AppState& app = *app_;
    if (what == "state") {
        const EngineState& state = app.engineState();
        std::string line = "state: " + std::string(state.caseName());
        if (auto detail = state.detail()) {
            line.append(" ").append(SimKeyNames::quoted(*detail));
        }
        print(line);
    } else if (what == "mode") {
        print("mode: " + onOff(app.isModeEnabled()));
    } else if (what == "banner") {
        const auto& banner = app.bannerMessage();
        print("banner: " + (banner ? SimKeyNames::quoted(*banner) : std::string("none")));
    } else if (what == "notice") {
        const auto& notice = app.modeNotice();
        std::string line = "notice: ";
        if (!notice) {
            line += "none";
        } else {
            line += notice->kind == ModeNotice::Kind::restored ? "restored" : "started";
            if (notice->layoutWarning) {
                line += " layout=" + SimKeyNames::quoted(*notice->layoutWarning);
            }
        }
        print(line);
    } else if (what == "diagnostic") {
        const DiagnosticSnapshot& d = app.diagnostic();
        print("diagnostic: tap=" + std::string(d.eventTapActive ? "active" : "inactive") +
              " physical=" + SimKeyNames::quoted(d.lastPhysicalKey) +
              " result=" + SimKeyNames::quoted(d.lastTransformedAction) + " processed=" +
              std::to_string(d.processedEvents) + " blocked=" + std::to_string(d.blockedEvents) +
              " language=" + std::string(d.typingLanguage.rawValue()) +
              " keyboard=" + keyboardName(d.keyboardType));
    } else if (what == "language") {
        print("language: " + std::string(app.typingLanguage().rawValue()));
    } else if (what == "inputsource") {
        const auto current = mac_.inputSources.currentIdentifier();
        print("inputsource: " + SimKeyNames::quoted(app.currentInputSource()) +
              " system=" + current.value_or("none"));
    } else if (what == "options") {
        std::string line = "options:";
        for (const auto& field : KeyboardOptions::fields) {
            line.append(" ")
                .append(field.name)
                .append("=")
                .append(onOff(app.options().*field.member));
        }
        print(line);
    } else if (what == "login") {
        print("login: " + onOff(app.launchAtLogin()));
    } else if (what == "permissions") {
        const auto granted = [](bool on) { return on ? "granted" : "denied"; };
        print(std::string("permissions: accessibility=") +
              granted(app.permissions().accessibility) +
              " inputMonitoring=" + granted(app.permissions().inputMonitoring));
    } else if (what == "defaults") {
        for (std::string_view key :
             {AppState::optionsKey, AppState::typingLanguageKey, AppState::modeEnabledKey,
              AppState::excludedApplicationsKey, AppState::launchAtLoginKey}) {
            print("defaults: " + std::string(key) + "=" + storedValue(mac_.settings.value(key)));
        }
    } else if (what == "secureinput") {
        print("secureinput: " + onOff(app.secureInputEnabled()));
    } else if (what == "exclusions") {
        std::string line = "exclusions:";
        for (const std::string& id : app.excludedApplications().bundleIdentifiers) {
            line += " " + id;
        }
        print(app.excludedApplications().bundleIdentifiers.empty() ? "exclusions: none" : line);
    } else if (what == "profile") {
        print("profile: " + std::string(profileName(app.applicationProfile().profile)));
    } else if (what == "frontmost") {
        const auto& frontmost = app.frontmostApplication();
        std::string line = "frontmost: " + (frontmost ? frontmost->bundleIdentifier : "none");
        if (app.isFrontmostExcluded()) {
            line += " (left alone)";
        }
        print(line);
    }
}

}  // namespace varnel::sim
