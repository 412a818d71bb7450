#include "invariant_run.h"

#include <algorithm>
#include <utility>

#include "mapping/windows_mapping.h"
#include "model/flags.h"

namespace varnel {

namespace {

constexpr std::uint16_t leftCtrl = 59, leftAlt = 58, rightAlt = 61, leftWin = 55, escape = 53,
                        capsLock = 57;

// Keys that matter to the rules, the profiles' rules, the layouts and the modifiers; the
// first 27 are no modifier.
constexpr std::uint16_t keys[] = {0,   1,  8,   16,  37,  12,  18,  43,  50,  49,  36,  48,
                                  51,  53, 115, 119, 123, 124, 125, 126, 117, 114, 118, 96,
                                  105, 97, 82,  59,  62,  55,  54,  58,  61,  56,  60,  57,
                                  63,  7,  9,   2,   15,  14,  47,  120, 103, 111, 121, 10};

constexpr std::uint64_t modifierBits =
    Flags::control | Flags::option | Flags::shift | Flags::command;

// The modifier keys whose flags-changed events tell, by their device bit, whether the key
// is down.
struct DeviceKey {
    std::uint16_t keyCode;
    std::uint64_t bit;
};
constexpr DeviceKey deviceKeys[] = {
    {54, Flags::rightCommand}, {55, Flags::leftCommand},  {56, Flags::leftShift},
    {58, Flags::leftOption},   {59, Flags::leftControl},  {60, Flags::rightShift},
    {61, Flags::rightOption},  {62, Flags::rightControl},
};

const DeviceKey* deviceKey(std::uint16_t keyCode) {
    for (const DeviceKey& key : deviceKeys) {
        if (key.keyCode == keyCode) {
            return &key;
        }
    }
    return nullptr;
}

constexpr std::string_view permissionLostBanner = "macOS отозвала необходимое разрешение.";

}  // namespace

InvariantRun::InvariantRun(std::uint64_t seed) : random_(seed) {
    // Installed before the first start, so the run starts with it left alone.
    mac_.workspace.install(std::string(AppStateInvariants::leftAloneApplication), "UTM");
    mac_.events.onReceive = [this](const ReceivedEvent& event) { receive(event); };
    mac_.events.onMisuse = [this](const std::string& what) {
        if (misuse_.empty()) {
            misuse_ = what;
        }
    };
    state_ = AppState::make(mac_.platform());
    mac_.settle();
    state_->toggleMode();
    mac_.settle();
}

// The application's view of the keyboard, by key code.
void InvariantRun::receive(const ReceivedEvent& event) {
    ++counts_.eventsReceived;
    if (isMouseButtonEvent(event.type)) {
        lastClickFlags_ = event.flags;
        return;
    }
    lastFlags_ = event.flags;
    bool down = false;
    if (event.type == EventType::flagsChanged) {
        if (event.userData != KeyboardEngine::syntheticMarker) {
            ++counts_.flagsChangedReceived;
        }
        const DeviceKey* key = deviceKey(event.keyCode);
        if (key == nullptr) {
            return;  // Caps Lock, Fn: no key to hold
        }
        down = (event.flags & key->bit) != 0;
    } else if (event.type == EventType::keyDown || event.type == EventType::keyUp) {
        down = event.type == EventType::keyDown;
    } else {
        return;
    }
    if (appDown_[event.keyCode] == down) {
        return;
    }
    appDown_[event.keyCode] = down;
    if (down) {
        appDownKeys_.push_back(event.keyCode);
    } else {
        std::erase(appDownKeys_, event.keyCode);
    }
}

bool InvariantRun::engineRemaps() const {
    return mac_.events.activeTapCount() > 0 && !state_->isEnginePaused();
}

std::uint16_t InvariantRun::randomKey() {
    return keys[random_() % std::size(keys)];
}

void InvariantRun::press(std::uint16_t key) {
    if (mac_.keyboard.press(key)) {
        ++counts_.physicalEvents;
        counts_.flagsChangedSent += SimKeyboard::isModifierKey(key);
        mac_.settle();
    }
}

void InvariantRun::release(std::uint16_t key) {
    if (mac_.keyboard.release(key)) {
        // Caps Lock's release sends nothing.
        if (key != capsLock) {
            ++counts_.physicalEvents;
            counts_.flagsChangedSent += SimKeyboard::isModifierKey(key);
        }
        mac_.settle();
    }
}

void InvariantRun::releaseEverything() {
    for (std::uint16_t key : keys) {
        if (mac_.keyboard.isDown(key)) {
            release(key);
        }
    }
}

// Only a running tap can see the chord: not in a gap, nor after a start that failed, nor while
// a password field has the keys.
void InvariantRun::emergencyChord() {
    releaseEverything();
    lastStep_ = "emergency chord";
    mustHaveStopped_ = engineRemaps() && state_->isModeEnabled() && !mac_.secureInput.enabled;
    for (std::uint16_t key : {leftCtrl, leftAlt, leftWin, escape}) {
        press(key);
    }
    for (std::uint16_t key : {escape, leftWin, leftAlt, leftCtrl}) {
        release(key);
    }
    ++counts_.emergencyChords;
}

// A burst faster than any typist: the rate guard's business.
void InvariantRun::burst() {
    const std::uint16_t key = keys[random_() % 27];  // no modifier among them
    lastStep_ = "burst of " + std::to_string(key);
    const bool wasRunning = engineRemaps() && state_->isModeEnabled() && !mac_.secureInput.enabled;
    const bool trusted = mac_.permissions.accessibility;
    press(key);
    for (int i = 0; i < 1600 && mac_.keyboard.repeat(key); ++i) {
        ++counts_.physicalEvents;
        mac_.settle();
    }
    release(key);
    counts_.safeModeStops += wasRunning && trusted && !state_->isModeEnabled();
    mustHaveStopped_ = wasRunning;  // safe mode ends as the emergency chord does
}

// Taken away now and then, given back soon after.
void InvariantRun::flipAccessibility() {
    if (!mac_.permissions.accessibility) {
        lastStep_ = "accessibility granted";
        mac_.permissions.accessibility = true;
    } else if (random_() % 4 == 0) {
        lastStep_ = "accessibility denied";
        mac_.permissions.accessibility = false;
        ++counts_.permissionRevocations;
    }
}

// Another application comes to the front (one of each profile, the one left alone, or Varnel
// itself), the focus moves in or out of a text field, or a password field takes or leaves the
// keys; keys may be held.
void InvariantRun::switchFrontmostOrSecureInput() {
    if (random_() % 4 == 0) {
        cutFilesInFinder();
        return;
    }
    if (random_() % 3 == 0) {
        const bool text = random_() % 2 == 0;
        mac_.focus.set(text ? KeyboardFocus::Kind::textEntry : KeyboardFocus::Kind::other);
        lastStep_ = text ? "focus text" : "focus other";
        ++counts_.focusMoves;
        return;
    }
    if (random_() % 3 == 0) {
        if (mac_.secureInput.enabled && state_->isModeEnabled() && !state_->secureInputEnabled()) {
            // A password field has the keys for longer than Varnel takes to read it: a shorter
            // one could hide a key's release and its next press, which no tap can know.
            mac_.wait(AppState::systemPollSeconds);
        }
        mac_.secureInput.enabled = !mac_.secureInput.enabled;
        lastStep_ = mac_.secureInput.enabled ? "secure input on" : "secure input off";
        ++counts_.secureInputFlips;
        return;
    }
    constexpr std::string_view applications[] = {"com.apple.TextEdit",
                                                 AppStateInvariants::leftAloneApplication,
                                                 SimWorkspace::varnelIdentifier,
                                                 "com.apple.Terminal",
                                                 "com.apple.finder",
                                                 "com.apple.Safari",
                                                 "com.microsoft.VSCode",
                                                 "com.microsoft.Excel"};
    const std::string_view application = applications[random_() % std::size(applications)];
    lastStep_ = "frontmost " + std::string(application);
    mac_.workspace.activate(std::string(application));
    ++counts_.frontmostSwitches;
}

// Finder in front, its list focused, Ctrl + X: files wait to be moved, for whatever comes next.
// Keys held before stay held.
void InvariantRun::cutFilesInFinder() {
    lastStep_ = "files cut in Finder";
    mac_.workspace.activate("com.apple.finder");
    mac_.focus.set(KeyboardFocus::Kind::other);
    constexpr std::uint16_t x = 7;
    const bool ctrlWasDown = mac_.keyboard.isDown(leftCtrl);
    press(leftCtrl);
    if (!mac_.keyboard.isDown(x)) {
        press(x);
        release(x);
    }
    if (!ctrlWasDown) {
        release(leftCtrl);
    }
    counts_.filesCut += state_->engineHasFilesCut();
}

// A click, and the flags it reached the application with.
std::optional<std::string> InvariantRun::click() {
    lastStep_ = "click";
    ++counts_.clicks;
    const bool knowable = !mac_.events.hasHeldNotices() && mac_.permissions.accessibility &&
                          mac_.keyboard.modifierFlags() == mac_.events.physicalModifierFlags();
    const bool exchanged = engineRemaps() && state_->options().windowsControlClick;
    const std::uint64_t synthetic =
        state_->engineHoldsModifier() ? EventEmitter::flag(EventEmitter::Modifier::command) : 0;
    const std::uint64_t physical = mac_.keyboard.modifierFlags();
    mac_.mouse.click(SimMouse::Button::left);
    if (!knowable) {
        return std::nullopt;
    }
    ++counts_.clickChecks;
    const std::uint64_t expected =
        exchanged ? WindowsMapping::swapControlAndCommand(physical) | synthetic : physical;
    if (lastClickFlags_ != expected) {
        return "a click reached the application with flags " + std::to_string(lastClickFlags_) +
               " instead of " + std::to_string(expected);
    }
    return std::nullopt;
}

void InvariantRun::step() {
    ++counts_.steps;
    const bool wasOn = state_->isModeEnabled();
    const unsigned roll = static_cast<unsigned>(random_() % 1000);
    if (roll < 400) {
        const std::uint16_t key = randomKey();
        lastStep_ = "press " + std::to_string(key);
        press(key);
    } else if (roll < 410) {
        brokenClick_ = click();
    } else if (roll < 770) {
        const std::uint16_t key = randomKey();
        lastStep_ = "release " + std::to_string(key);
        release(key);
    } else if (roll < 800) {
        switchFrontmostOrSecureInput();
    } else if (roll < 850) {
        const std::uint16_t key = randomKey();
        lastStep_ = "repeat " + std::to_string(key);
        if (mac_.keyboard.repeat(key)) {
            ++counts_.physicalEvents;
            mac_.settle();
        }
    } else if (roll < 900) {
        lastStep_ = "chord";
        std::uint16_t chord[3] = {randomKey(), randomKey(), randomKey()};
        for (std::uint16_t key : chord) {
            press(key);
        }
        for (int i = 2; i >= 0; --i) {
            release(chord[i]);
        }
    } else if (roll < 905) {
        // The user types on another keyboard (a MacBook's ISO one, an external ANSI one), keys
        // perhaps held on the one before.
        constexpr KeyboardType layouts[] = {KeyboardType::ansi, KeyboardType::iso,
                                            KeyboardType::jis};
        mac_.keyboard.layout = layouts[random_() % std::size(layouts)];
        lastStep_ = "keyboard " + std::to_string(static_cast<int>(mac_.keyboard.layout));
        ++counts_.keyboardSwitches;
    } else if (roll < 930) {
        lastStep_ = "wait";
        mac_.wait(static_cast<double>(random_() % 1500) / 1000.0);
        ++counts_.waits;
    } else if (roll < 950) {
        lastStep_ = "option";
        KeyboardOptions options = state_->options();
        const auto& field = KeyboardOptions::fields[random_() % KeyboardOptions::fields.size()];
        options.*field.member = random_() % 2 == 0;
        state_->setOptions(options);
        ++counts_.optionChanges;
    } else if (roll < 965) {
        lastStep_ = "toggle";
        state_->toggleMode();
        state_->setBannerMessage(std::nullopt);
        ++counts_.toggles;
    } else if (roll < 972) {
        lastStep_ = "tap disabled";
        mac_.events.disableTapsBySystem(random_() % 2 ? EventType::tapDisabledByTimeout
                                                      : EventType::tapDisabledByUserInput);
        ++counts_.tapDisables;
    } else if (roll < 979) {
        lastStep_ = "wake";
        mac_.notifications.post(SystemNotification::systemDidWake);
        ++counts_.wakes;
    } else if (roll < 986) {
        emergencyChord();
    } else if (roll < 988) {
        burst();
    } else if (roll < 991) {
        lastStep_ = AppStateInvariants::step(random_, mac_, *state_);
    } else if (roll < 995) {
        lastStep_ = "tap disabled, notice held";
        mac_.events.disableTapsBySystem(
            random_() % 2 ? EventType::tapDisabledByTimeout : EventType::tapDisabledByUserInput,
            /*later=*/true);
        ++counts_.gaps;
    } else if (roll < 998) {
        flipAccessibility();
    } else {
        lastStep_ = "release everything";
        releaseEverything();
    }
    mac_.settle();
    const auto& banner = state_->bannerMessage();
    counts_.permissionStops +=
        wasOn && !state_->isModeEnabled() && banner && *banner == permissionLostBanner;
}

std::optional<std::string> InvariantRun::checkHeldKeys() {
    for (std::uint16_t key : appDownKeys_) {
        if (deviceKey(key) == nullptr && !mac_.keyboard.isDown(key)) {
            return "the application holds key " + std::to_string(key) + ", which is up";
        }
    }
    if (mac_.events.hasHeldNotices()) {
        return std::nullopt;  // the engine cannot know what happens in a gap
    }
    ++counts_.heldKeyChecks;
    const bool remaps = engineRemaps();
    const bool synthetic = state_->engineHoldsModifier();
    for (const DeviceKey& key : deviceKeys) {
        const std::uint16_t physical =
            remaps ? WindowsMapping::swappedModifierKeyCode(key.keyCode) : key.keyCode;
        const bool expected =
            mac_.keyboard.isDown(physical) || (synthetic && key.keyCode == leftWin);
        if (appDown_[key.keyCode] != expected) {
            return std::string("the application ") + (expected ? "misses" : "still holds") +
                   " modifier key " + std::to_string(key.keyCode);
        }
    }
    if (synthetic && !mac_.keyboard.isDown(leftAlt) && !mac_.keyboard.isDown(rightAlt)) {
        return "a synthetic modifier is held without its physical key";
    }
    return std::nullopt;
}

std::optional<std::string> InvariantRun::check() {
    if (auto broken = std::exchange(brokenClick_, std::nullopt)) {
        return broken;
    }
    if (counts_.flagsChangedReceived != counts_.flagsChangedSent) {
        return "a flags-changed event was dropped";
    }
    if (!misuse_.empty()) {
        return "the simulated system was misused: " + misuse_;
    }
    const DiagnosticSnapshot& diagnostic = state_->diagnostic();
    if (diagnostic.blockedEvents > diagnostic.processedEvents) {
        return "more events replaced than examined";
    }
    if (mustHaveStopped_) {
        mustHaveStopped_ = false;
        if (state_->isModeEnabled() || mac_.settings.boolValue(AppState::modeEnabledKey)) {
            return "the mode survived the emergency chord or the rate guard";
        }
    }
    if (auto broken = appStateInvariants_.check(mac_, *state_)) {
        return broken;
    }
    if (state_->engineHasFilesCut() &&
        state_->applicationProfile().profile != ApplicationProfile::finder) {
        return "files cut in Finder are still to be moved in another application";
    }
    if (auto broken = checkHeldKeys()) {
        return broken;
    }
    if (!mac_.keyboard.anyDown() && mainQueueSettled(mac_) && !mac_.events.hasHeldNotices()) {
        ++counts_.quietChecks;
        if (state_->engineHoldsModifier()) {
            return "a synthetic modifier is still held";
        }
        if (!appDownKeys_.empty()) {
            return "the application still holds a key down";
        }
        if (lastFlags_ & modifierBits) {
            return "the application still reads a modifier";
        }
    }
    return std::nullopt;
}

std::optional<std::string> InvariantRun::run(std::uint64_t physicalEvents) {
    while (counts_.physicalEvents < physicalEvents) {
        step();
        if (auto broken = check()) {
            return *broken + " after step " + std::to_string(counts_.steps) + " (" + lastStep_ +
                   ")";
        }
        // Now and then a quiet moment, so that the quiet invariants are checked often.
        if (random_() % 8 == 0) {
            lastStep_ = "release everything";
            releaseEverything();
            if (auto broken = check()) {
                return *broken + " after releasing every key at step " +
                       std::to_string(counts_.steps);
            }
        }
        if (state_->bannerMessage() && random_() % 4 == 0) {
            state_->setBannerMessage(std::nullopt);
        }
    }
    return std::nullopt;
}

}  // namespace varnel
