// The per-event decisions of KeyboardEngine. This runs inside the tap callback for every
// key: no blocking, no logging, no allocation. The diagnostics get facts, not text.

#include <utility>

#include "engine/keyboard_engine.h"
#include "mapping/windows_mapping.h"
#include "model/flags.h"
#include "model/translatable.h"

namespace varnel {

namespace {

constexpr std::string_view safeModeMessage = VARNEL_TRANSLATE_NOOP(
    "Messages",
    "За одну секунду возникло слишком много событий. Переназначение отключено, чтобы клавиши не "
    "зациклились.");

constexpr std::uint64_t emergencyModifiers = Flags::control | Flags::option | Flags::command;

constexpr bool isSwitcherKey(std::uint16_t keyCode) {
    // Left, Right, Down and Up arrows, and Escape.
    return (keyCode >= 123 && keyCode <= 126) || keyCode == WindowsMapping::escape;
}

}  // namespace

EventRef KeyboardEngine::callback(void*, std::uint32_t type, EventRef event, void* userInfo) {
    if (userInfo == nullptr) {
        return event;
    }
    // The engine outlives its tap (every stop removes the tap first) and nothing in
    // process() can destroy it: reports wait until the main thread is about to wait.
    return static_cast<KeyboardEngine*>(userInfo)->process(type, event);
}

EventRef KeyboardEngine::process(std::uint32_t type, EventRef event) {
    // One comparison keeps the keys' way short: the tap's notices, mouse buttons, and every
    // event while stopped or paused go aside.
    if (type - EventType::keyDown >= decidedKeyTypes_) {
        return processAside(type, event);
    }
    if (platform_.integerField(event, EventField::eventSourceUserData) == syntheticMarker) {
        return event;
    }

    // A monotonic clock; a step back all the same (a clock that is not) opens a new window
    // rather than keeping the old one open for good.
    const double now = platform_.monotonicTime();
    if (now < rateWindowStarted_ || now - rateWindowStarted_ >= rateWindowSeconds) {
        rateWindowStarted_ = now;
        rateWindowCount_ = 0;
    }
    if (++rateWindowCount_ > maxEventsPerWindow) {
        enterSafeMode(safeModeMessage);
        return event;
    }

    const std::int64_t rawKeyCode = platform_.integerField(event, EventField::keyboardEventKeycode);
    if (rawKeyCode < 0 || rawKeyCode > 0xFFFF) {
        return event;  // no key code of a keyboard: not ours to interpret
    }
    const auto keyCode = static_cast<std::uint16_t>(rawKeyCode);
    const std::uint64_t physicalFlags = platform_.flags(event);

    ++diagnostic_.processedEvents;
    diagnostic_.lastPhysicalKey.set(keyCode, physicalFlags);
    lastPhysicalFlags_ = physicalFlags;  // every event carries the state of the modifiers
    const bool languageToggleJustMade = std::exchange(languageToggleJustMade_, false);

    switch (type) {
        case EventType::flagsChanged: return processFlagsChanged(event, keyCode, physicalFlags);
        case EventType::keyUp:
            if (suppressedKeyCodes_.test(keyCode)) {
                suppressedKeyCodes_.reset(keyCode);
                ++diagnostic_.blockedEvents;
                publishDiagnostic();
                return nullptr;
            }
            return passThrough(event, keyCode, physicalFlags);
        case EventType::keyDown:
            return processKeyDown(event, keyCode, physicalFlags, languageToggleJustMade);
        default: return passThrough(event, keyCode, physicalFlags);
    }
}

EventRef KeyboardEngine::processAside(std::uint32_t type, EventRef event) {
    if (type == EventType::tapDisabledByTimeout || type == EventType::tapDisabledByUserInput) {
        return processTapDisabled(type, event);
    }
    if (!enabled_ ||
        platform_.integerField(event, EventField::eventSourceUserData) == syntheticMarker) {
        return event;
    }
    // Besides the three key types the tap sees only mouse buttons (while Ctrl + click is on).
    // Neither a mouse button nor anything while paused is counted.
    if (type - EventType::keyDown > EventType::flagsChanged - EventType::keyDown) {
        return processMouse(event);
    }
    return passWhilePaused(event);
}

EventRef KeyboardEngine::processKeyDown(EventRef event, std::uint16_t keyCode,
                                        std::uint64_t physicalFlags, bool languageToggleJustMade) {
    if (keyCode == WindowsMapping::escape && Flags::has(physicalFlags, emergencyModifiers)) {
        // The owner stops the engine; Escape is not suppressed, so its key-up passes.
        ++diagnostic_.blockedEvents;
        diagnostic_.lastAction.setEmergencyStop();
        publishDiagnostic();
        report([](KeyboardEngine& self) {
            if (self.onEmergencyStop) {
                self.onEmergencyStop();
            }
        });
        return nullptr;
    }
    if (altTabSessionActive_ && isSwitcherKey(keyCode)) {
        return processSwitcherKey(event, keyCode, physicalFlags);
    }

    windowsKeyAlone_ = false;
    const WindowsSpecialAction action =
        WindowsMapping::specialAction(keyCode, physicalFlags, options_, keyContext_);
    if (keyContext_.filesCut || action.cutsFiles()) [[unlikely]] {
        keyContext_.filesCut = action.cutsFiles() || WindowsMapping::keepsFilesCut(keyCode);
    }
    switch (action.kind()) {
        case WindowsSpecialAction::Case::emit:
            emitter_.tap(*action.chord(), heldByUser(physicalFlags));
            // The mapping names its chords with constant text.
            diagnostic_.lastAction.setChord(action.chord()->displayName());
            return dropReplaced(event, keyCode);
        case WindowsSpecialAction::Case::altTab:
            return processAltTab(event, keyCode, physicalFlags, languageToggleJustMade);
        case WindowsSpecialAction::Case::swallow:
            diagnostic_.lastAction.setChord(action.displayName());
            return dropReplaced(event, keyCode);
        case WindowsSpecialAction::Case::none: break;
    }

    if (altTabSessionActive_) {
        endAltTab(physicalFlags);
    }
    if (options_.fullWindowsTyping) {
        // Read here, for the keys the layouts may type: each key carries the type of the
        // keyboard it came from (a MacBook's ISO one and an external ANSI one may take turns).
        const KeyboardType keyboard = keyboardLayouts_.of(platform_, event);
        diagnostic_.setKeyboard(keyboard);
        if (auto text = WindowsMapping::printableText(
                WindowsMapping::ansiPositionKeyCode(
                    keyCode, options_.isoKeyboardLayout ? keyboard : KeyboardType::ansi),
                physicalFlags, typingLanguage_)) {
            // On the key's own code: applications that read key codes see the key pressed.
            emitter_.emitText(*text, keyCode);
            diagnostic_.lastAction.setTyped(*text);
            return dropReplaced(event, keyCode);
        }
    }
    // The application now holds this key down, so its key-up must reach it.
    suppressedKeyCodes_.reset(keyCode);
    return passThrough(event, keyCode, physicalFlags);
}

// Alt + Tab holds Command and taps Tab; with Shift held the Tab carries Shift and steps
// back. Alt and Shift pressed first switched the language at once; Tab straight after them
// shows that the user meant Alt + Shift + Tab, so the switch is taken back.
EventRef KeyboardEngine::processAltTab(EventRef event, std::uint16_t keyCode,
                                       std::uint64_t physicalFlags, bool languageToggleJustMade) {
    if (languageToggleJustMade) {
        toggleLanguage(/*announce=*/false);
    }
    if (!altTabSessionActive_) {
        emitter_.hold(EventEmitter::Modifier::command, heldByUser(physicalFlags));
        altTabSessionActive_ = true;
    }
    const bool back = Flags::hasAny(physicalFlags, Flags::shift);
    emitter_.tapKey(WindowsMapping::tab, back ? Flags::shift : 0);
    diagnostic_.lastAction.setAltTab(back);
    return dropReplaced(event, keyCode);
}

// The switcher's own keys under the held Command: the arrows move its selection, Escape
// closes it without switching and ends the sequence.
EventRef KeyboardEngine::processSwitcherKey(EventRef event, std::uint16_t keyCode,
                                            std::uint64_t physicalFlags) {
    emitter_.tapKey(keyCode);
    diagnostic_.lastAction.setSwitcherKey(keyCode);
    if (keyCode == WindowsMapping::escape) {
        endAltTab(physicalFlags);
    }
    return dropReplaced(event, keyCode);
}

[[gnu::always_inline]] inline EventRef KeyboardEngine::dropReplaced(EventRef event,
                                                                    std::uint16_t keyCode) {
    // A repeat whose first press reached the application (before the engine started, or
    // under other switches) leaves the key-up to pass; dropping it would leave the key down
    // in the application for good.
    if (suppressedKeyCodes_.test(keyCode) ||
        platform_.integerField(event, EventField::keyboardEventAutorepeat) == 0) {
        suppressedKeyCodes_.set(keyCode);
    }
    ++diagnostic_.blockedEvents;
    publishDiagnostic();
    return nullptr;
}

// Here, where the chords and Alt + Tab ask for it on every key, so that it is inlined.
std::uint64_t KeyboardEngine::heldByUser(std::uint64_t physicalFlags) {
    return WindowsMapping::swapControlAndCommand(physicalFlags) &
           (Flags::modifiers | Flags::modifierKeys);
}

EventRef KeyboardEngine::passThrough(EventRef event, std::uint16_t passedKeyCode,
                                     std::uint64_t physicalFlags) {
    const std::uint64_t exchanged = WindowsMapping::swapControlAndCommand(physicalFlags);
    // The Command that Alt + Tab holds is down for the application too: an event without it
    // would tell the switcher that Command was let go.
    platform_.setFlags(event, exchanged | syntheticFlags());
    diagnostic_.lastAction.setPassed(passedKeyCode, exchanged);
    publishDiagnostic();
    return event;
}

}  // namespace varnel
