// The per-event decisions of KeyboardEngine. This runs inside the tap callback for every
// key: no blocking, no logging, and no allocation once the diagnostics' strings have grown.

#include "engine/keyboard_engine.h"
#include "mapping/windows_mapping.h"
#include "model/flags.h"
#include "model/key_names.h"

namespace varnel {

namespace {

constexpr std::string_view safeModeMessage =
    "За одну секунду возникло слишком много событий. Переназначение отключено, чтобы клавиши не "
    "зациклились.";
constexpr std::string_view emergencyAction = "Аварийное отключение";
constexpr std::string_view altTabAction = "Alt + Tab → Command + Tab";
constexpr std::string_view typedTextPrefix = "Windows-текст: ";
constexpr std::string_view languageTogglePrefix = "Shift + Alt → ";

constexpr std::uint64_t emergencyModifiers = Flags::control | Flags::option | Flags::command;

}  // namespace

EventRef KeyboardEngine::callback(void*, std::uint32_t type, EventRef event, void* userInfo) {
    if (userInfo == nullptr) {
        return event;
    }
    // The engine outlives its tap (every stop removes the tap first) and nothing in
    // process() can destroy it: reports are queued, never called from here.
    return static_cast<KeyboardEngine*>(userInfo)->process(type, event);
}

EventRef KeyboardEngine::process(std::uint32_t type, EventRef event) {
    if (type == EventType::tapDisabledByTimeout || type == EventType::tapDisabledByUserInput) {
        if (eventTap_ != nullptr && enabled_) {
            platform_.enableTap(eventTap_, true);
            diagnostic_.eventTapActive = true;
            publishDiagnostic();
        }
        return event;
    }
    if (!enabled_) {
        return event;
    }
    if (platform_.integerField(event, EventField::eventSourceUserData) == syntheticMarker) {
        return event;
    }

    const double now = platform_.monotonicTime();
    if (now - rateWindowStarted_ >= rateWindowSeconds) {
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
    KeyNames::writePhysicalDescription(diagnostic_.lastPhysicalKey, keyCode, physicalFlags);

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
        case EventType::keyDown: return processKeyDown(event, keyCode, physicalFlags);
        default: return passThrough(event, keyCode, physicalFlags);
    }
}

EventRef KeyboardEngine::processKeyDown(EventRef event, std::uint16_t keyCode,
                                        std::uint64_t physicalFlags) {
    if (keyCode == WindowsMapping::escape && Flags::has(physicalFlags, emergencyModifiers)) {
        // The owner stops the engine; Escape is not suppressed, so its key-up passes.
        ++diagnostic_.blockedEvents;
        diagnostic_.lastTransformedAction.assign(emergencyAction);
        publishDiagnostic();
        queue([](KeyboardEngine& self) {
            if (self.onEmergencyStop) {
                self.onEmergencyStop();
            }
        });
        return nullptr;
    }

    const WindowsSpecialAction action =
        WindowsMapping::specialAction(keyCode, physicalFlags, options);
    switch (action.kind()) {
        case WindowsSpecialAction::Case::emit:
            emitter_.tap(*action.chord());
            diagnostic_.lastTransformedAction.assign(action.chord()->displayName());
            return dropReplaced(event, keyCode);
        case WindowsSpecialAction::Case::altTab:
            if (!altTabSessionActive_) {
                emitter_.hold(EventEmitter::Modifier::command);
                altTabSessionActive_ = true;
            }
            emitter_.tapKey(WindowsMapping::tab);
            diagnostic_.lastTransformedAction.assign(altTabAction);
            return dropReplaced(event, keyCode);
        case WindowsSpecialAction::Case::none: break;
    }

    if (altTabSessionActive_) {
        emitter_.release(EventEmitter::Modifier::command);
        altTabSessionActive_ = false;
    }
    if (options.fullWindowsTyping) {
        if (auto text = WindowsMapping::printableText(keyCode, physicalFlags, typingLanguage_)) {
            emitter_.emitText(*text);
            diagnostic_.lastTransformedAction.assign(typedTextPrefix).append(*text);
            diagnostic_.typingLanguage = typingLanguage_;
            return dropReplaced(event, keyCode);
        }
    }
    // The application now holds this key down, so its key-up must reach it.
    suppressedKeyCodes_.reset(keyCode);
    return passThrough(event, keyCode, physicalFlags);
}

EventRef KeyboardEngine::dropReplaced(EventRef event, std::uint16_t keyCode) {
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

EventRef KeyboardEngine::processFlagsChanged(EventRef event, std::uint16_t keyCode,
                                             std::uint64_t physicalFlags) {
    if (options.altShiftChangesLanguage &&
        Flags::has(physicalFlags, Flags::shift | Flags::option)) {
        if (!languageChordLatched_) {
            languageChordLatched_ = true;
            typingLanguage_.toggle();
            diagnostic_.typingLanguage = typingLanguage_;
            diagnostic_.lastTransformedAction.assign(languageTogglePrefix)
                .append(typingLanguage_.displayName());
            publishDiagnostic();
            queue([language = typingLanguage_](KeyboardEngine& self) {
                if (self.onLanguageToggle) {
                    self.onLanguageToggle(language);
                }
            });
        }
    } else {
        languageChordLatched_ = false;
    }

    if (altTabSessionActive_ && !Flags::hasAny(physicalFlags, Flags::option)) {
        emitter_.release(EventEmitter::Modifier::command);
        altTabSessionActive_ = false;
    }

    // The Control and Command keys trade places too; the rest is the ordinary pass-through.
    platform_.setIntegerField(event, EventField::keyboardEventKeycode,
                              WindowsMapping::swappedModifierKeyCode(keyCode));
    return passThrough(event, keyCode, physicalFlags);
}

EventRef KeyboardEngine::passThrough(EventRef event, std::uint16_t keyCode,
                                     std::uint64_t physicalFlags) {
    platform_.setFlags(event, WindowsMapping::swapControlAndCommand(physicalFlags));
    transformedDescription(keyCode, physicalFlags, diagnostic_.lastTransformedAction);
    diagnostic_.typingLanguage = typingLanguage_;
    publishDiagnostic();
    return event;
}

void KeyboardEngine::transformedDescription(std::uint16_t keyCode, std::uint64_t physicalFlags,
                                            std::string& out) {
    KeyNames::writePhysicalDescription(out, WindowsMapping::swappedModifierKeyCode(keyCode),
                                       WindowsMapping::swapControlAndCommand(physicalFlags));
}

}  // namespace varnel
