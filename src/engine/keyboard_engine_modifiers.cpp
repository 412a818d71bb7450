// What KeyboardEngine does with the modifier keys: the language chord, the end of Alt + Tab,
// the Control and Command keys handed over between mappings, and the tap coming back after
// the system had disabled it. Runs inside the tap callback or at a start or stop.

#include "engine/keyboard_engine.h"
#include "engine/modifier_handover.h"
#include "mapping/windows_mapping.h"
#include "model/flags.h"

namespace varnel {

namespace {

// The bits of the modifiers other than Control and Command, which no mapping moves.
constexpr std::uint64_t otherModifierBits =
    Flags::shift | Flags::option | Flags::capsLock | Flags::shiftKeys | Flags::optionKeys;

}  // namespace

EventRef KeyboardEngine::processFlagsChanged(EventRef event, std::uint16_t keyCode,
                                             std::uint64_t physicalFlags) {
    if (options_.altShiftChangesLanguage &&
        Flags::has(physicalFlags, Flags::shift | Flags::option)) {
        if (!languageChordLatched_) {
            languageChordLatched_ = true;
            // Inside Alt + Tab, Shift steps the switcher back and leaves the language alone.
            if (!altTabSessionActive_) {
                toggleLanguage(/*announce=*/true);
                languageToggleJustMade_ = true;
            }
        }
    } else {
        languageChordLatched_ = false;
    }

    if (altTabSessionActive_ && !Flags::hasAny(physicalFlags, Flags::option)) {
        endAltTab(physicalFlags);
    }

    // A Windows key pressed with nothing else held starts a tap; anything else ends it.
    const bool windowsKey =
        keyCode == WindowsMapping::leftCommand || keyCode == WindowsMapping::rightCommand;
    const bool tapped =
        windowsKey && windowsKeyAlone_ && !Flags::hasAny(physicalFlags, Flags::modifiers);
    windowsKeyAlone_ = windowsKey && (physicalFlags & Flags::modifiers) == Flags::command;

    // The Control and Command keys trade places too; the rest is the ordinary pass-through.
    const std::uint16_t passedKeyCode = WindowsMapping::swappedModifierKeyCode(keyCode);
    platform_.setIntegerField(event, EventField::keyboardEventKeycode, passedKeyCode);
    EventRef passed = passThrough(event, passedKeyCode, physicalFlags);
    if (tapped) [[unlikely]] {
        windowsKeyTapped(physicalFlags);
    }
    return passed;
}

// Windows users press the Windows key and type a name: Spotlight is the Mac's Start. The key
// itself went through as Control, down and up, before the chord.
void KeyboardEngine::windowsKeyTapped(std::uint64_t physicalFlags) {
    if (!options_.windowsKeyShortcuts ||
        keyContext_.application.profile == ApplicationProfile::terminal) {
        return;
    }
    const KeyChord spotlight(WindowsMapping::space, Flags::command, "Windows → Spotlight");
    emitter_.tap(spotlight, heldByUser(physicalFlags));
    diagnostic_.lastAction.setChord(spotlight.displayName());
    publishDiagnostic();
}

void KeyboardEngine::toggleLanguage(bool announce) {
    typingLanguage_.toggle();
    diagnostic_.typingLanguage = typingLanguage_;
    if (announce) {
        diagnostic_.lastAction.setLanguageSwitched(typingLanguage_);
        publishDiagnostic();
    }
    report([language = typingLanguage_](KeyboardEngine& self) {
        if (self.onLanguageToggle) {
            self.onLanguageToggle(language);
        }
    });
}

void KeyboardEngine::endAltTab(std::uint64_t physicalFlags) {
    emitter_.release(EventEmitter::Modifier::command, heldByUser(physicalFlags));
    altTabSessionActive_ = false;
}

void KeyboardEngine::handOverControlAndCommand(std::uint64_t mayHold, std::uint64_t surelyHeld,
                                               std::uint64_t physicalFlags, bool exchanged) {
    const std::uint64_t inForce = ModifierHandover::controlAndCommandKeys(
        exchanged ? WindowsMapping::swapControlAndCommand(physicalFlags) : physicalFlags);
    // The Command that Alt + Tab holds is in force too.
    const std::uint64_t synthetic = ModifierHandover::controlAndCommandKeys(syntheticFlags());
    const std::uint64_t others = (physicalFlags & otherModifierBits) | syntheticFlags();
    const ModifierHandover::Plan plan =
        ModifierHandover::between(mayHold, surelyHeld, inForce | synthetic);
    for (std::size_t i = 0; i < plan.count; ++i) {
        const ModifierHandover::KeyChange& change = plan.changes[i];
        emitter_.postModifierKey(
            change.keyCode, change.down,
            ModifierHandover::withControlAndCommandKeys(others, change.keysAfter));
    }
    lastPhysicalFlags_ = physicalFlags;
}

std::uint64_t KeyboardEngine::applicationKeys() const {
    return ModifierHandover::controlAndCommandKeys(
        paused_ ? lastPhysicalFlags_ : WindowsMapping::swapControlAndCommand(lastPhysicalFlags_));
}

EventRef KeyboardEngine::processTapDisabled(std::uint32_t type, EventRef event) {
    if (eventTap_ == nullptr || !enabled_) {
        return event;
    }
    if (type == EventType::tapDisabledByTimeout && !platform_.isProcessTrusted()) {
        // Enabled again, the tap would only hold the keyboard up once more.
        stopLocked(/*insideCallback=*/true);
        report([](KeyboardEngine& self) {
            if (self.onPermissionLost) {
                self.onPermissionLost();
            }
        });
        return event;
    }
    platform_.enableTap(eventTap_, true);
    catchUpAfterGap();
    diagnostic_.eventTapActive = true;
    publishDiagnostic();
    return event;
}

// While the tap was off, keys went to the application untouched and the engine saw none of
// them. The system's state of the modifiers tells what is still down.
void KeyboardEngine::catchUpAfterGap() {
    const std::uint64_t physical = platform_.physicalModifierFlags();
    if (altTabSessionActive_ && !Flags::hasAny(physical, Flags::option)) {
        endAltTab(physical);
    }
    if (!Flags::has(physical, Flags::shift | Flags::option)) {
        languageChordLatched_ = false;
    }
    languageToggleJustMade_ = false;
    windowsKeyAlone_ = false;  // its release may have gone unseen
    // A replaced key may have come up, and gone down again, unseen: a key-up that passes
    // is harmless, one dropped would leave the key down in the application.
    suppressedKeyCodes_.reset();
    // The application may hold a Control or Command key pressed in the gap as it is, and may
    // have let go of one it held under the mapping when a key with that code went up.
    handOverControlAndCommand(applicationKeys() | ModifierHandover::controlAndCommandKeys(physical),
                              /*surelyHeld=*/0, physical, /*exchanged=*/!paused_);
}

}  // namespace varnel
