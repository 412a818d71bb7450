#include "engine/event_emitter.h"

#include <string>

#include "engine/keyboard_engine.h"
#include "mapping/windows_mapping.h"
#include "model/flags.h"
#include "model/utf.h"

namespace varnel {

namespace {

std::uint8_t bit(EventEmitter::Modifier modifier) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(modifier));
}

// The flags of every combination of held modifiers (one bit per Modifier), worked out once:
// every posted event asks for them.
constexpr std::array<std::uint64_t, 16> flagsOfHeld = [] {
    std::array<std::uint64_t, 16> table{};
    for (unsigned held = 0; held < table.size(); ++held) {
        for (EventEmitter::Modifier modifier : EventEmitter::allModifiers) {
            if (held & 1u << static_cast<unsigned>(modifier)) {
                table[held] |= EventEmitter::flag(modifier);
            }
        }
    }
    return table;
}();

}  // namespace

EventEmitter::EventEmitter(EventPlatform& platform)
    : platform_(platform), source_(platform.createEventSource(EventSourceState::combinedSession)) {}

EventEmitter::~EventEmitter() {
    if (source_ != nullptr) {
        platform_.releaseEventSource(source_);
    }
}

std::uint16_t EventEmitter::keyCode(Modifier modifier) {
    switch (modifier) {
        case Modifier::command: return WindowsMapping::leftCommand;
        case Modifier::control: return WindowsMapping::leftControl;
        case Modifier::option: return WindowsMapping::leftOption;
        case Modifier::shift: return WindowsMapping::leftShift;
    }
    return 0;
}

bool EventEmitter::isHolding(Modifier modifier) const {
    std::lock_guard guard(lock_);
    return (heldModifiers_ & bit(modifier)) != 0;
}

bool EventEmitter::holdsAnyModifier() const {
    std::lock_guard guard(lock_);
    return heldModifiers_ != 0;
}

std::uint64_t EventEmitter::activeFlags() const {
    return flagsOfHeld[heldModifiers_];
}

// An event that cannot be created is skipped; the caller's bookkeeping goes on as if it
// had been posted, so that a later release still posts the matching key-up. Inlined into
// every caller: a chord posts four events in a row.
[[gnu::always_inline]] inline void EventEmitter::post(std::uint16_t keyCode, bool keyDown,
                                                      std::uint64_t flags,
                                                      std::u16string_view text) {
    EventRef event = platform_.createKeyboardEvent(source_, keyCode, keyDown);
    if (event == nullptr) {
        return;
    }
    platform_.setFlags(event, flags);
    if (!text.empty()) {
        platform_.setUnicodeString(event, text.data(), text.size());
    }
    platform_.setIntegerField(event, EventField::eventSourceUserData,
                              KeyboardEngine::syntheticMarker);
    platform_.postEvent(TapLocation::hid, event);
    platform_.releaseEvent(event);
}

// The modifier's own event carries every modifier down at that moment: the synthetic ones
// (with this one, when it goes down) and those the user holds.
void EventEmitter::postModifier(Modifier modifier, bool keyDown, std::uint64_t held) {
    const std::uint64_t flags = held | activeFlags() | (keyDown ? flag(modifier) : 0);
    post(keyCode(modifier), keyDown, flags);
}

void EventEmitter::hold(Modifier modifier, std::uint64_t held) {
    std::lock_guard guard(lock_);
    if (heldModifiers_ & bit(modifier)) {
        return;
    }
    postModifier(modifier, true, held);
    heldModifiers_ |= bit(modifier);
}

void EventEmitter::release(Modifier modifier, std::uint64_t held) {
    std::lock_guard guard(lock_);
    if (!(heldModifiers_ & bit(modifier))) {
        return;
    }
    heldModifiers_ &= static_cast<std::uint8_t>(~bit(modifier));
    postModifier(modifier, false, held);
}

void EventEmitter::releaseAll(std::uint64_t held) {
    std::lock_guard guard(lock_);
    for (auto it = allModifiers.rbegin(); it != allModifiers.rend(); ++it) {
        if (heldModifiers_ & bit(*it)) {
            heldModifiers_ &= static_cast<std::uint8_t>(~bit(*it));
            postModifier(*it, false, held);
        }
    }
}

void EventEmitter::tapKey(std::uint16_t keyCode, std::uint64_t extraFlags) {
    std::lock_guard guard(lock_);
    post(keyCode, true, activeFlags() | extraFlags);
    post(keyCode, false, activeFlags() | extraFlags);
}

void EventEmitter::tap(const KeyChord& chord, std::uint64_t held) {
    std::lock_guard guard(lock_);
    std::uint8_t pressed = 0;       // one bit per Modifier, pressed here and released after
    std::uint64_t alreadyDown = 0;  // chord modifiers the user holds: neither pressed nor released
    for (Modifier modifier : allModifiers) {
        const std::uint64_t modifierBit = flag(modifier) & Flags::modifiers;
        if (!(chord.flags() & modifierBit) || (heldModifiers_ & bit(modifier))) {
            continue;
        }
        if (held & modifierBit) {
            alreadyDown |= modifierBit;
        } else {
            pressed |= bit(modifier);
        }
    }
    for (Modifier modifier : allModifiers) {
        if (pressed & bit(modifier)) {
            postModifier(modifier, true, held);
            heldModifiers_ |= bit(modifier);
        }
    }
    // Fn rides on the key itself, as a Mac keyboard sends it with function keys and arrows: the
    // system's own shortcuts on those keys are registered with it.
    const std::uint64_t keyFlags =
        activeFlags() | alreadyDown | (chord.flags() & Flags::secondaryFn);
    post(chord.keyCode, true, keyFlags);
    post(chord.keyCode, false, keyFlags);
    for (auto it = allModifiers.rbegin(); it != allModifiers.rend(); ++it) {
        if (pressed & bit(*it)) {
            heldModifiers_ &= static_cast<std::uint8_t>(~bit(*it));
            postModifier(*it, false, held);
        }
    }
}

void EventEmitter::emitText(std::string_view text, std::uint16_t keyCode) {
    std::lock_guard guard(lock_);
    if (text.empty()) {
        return;
    }
    // Layout texts are one character; a stack buffer keeps them off the heap.
    char16_t buffer[32];
    const std::size_t units = utf8ToUtf16(text, buffer, std::size(buffer));
    if (units <= std::size(buffer)) {
        post(keyCode, true, 0, {buffer, units});
        post(keyCode, false, 0, {buffer, units});
        return;
    }
    const std::u16string longText = utf8ToUtf16(text);
    post(keyCode, true, 0, longText);
    post(keyCode, false, 0, longText);
}

void EventEmitter::postModifierKey(std::uint16_t keyCode, bool down, std::uint64_t flags) {
    std::lock_guard guard(lock_);
    post(keyCode, down, flags);
}

}  // namespace varnel
