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

}  // namespace

EventEmitter::EventEmitter(EventPlatform& platform)
    : platform_(platform), source_(platform.createEventSource(EventSourceState::combinedSession)) {}

EventEmitter::~EventEmitter() {
    if (source_ != nullptr) {
        platform_.releaseEventSource(source_);
    }
}

std::uint64_t EventEmitter::flag(Modifier modifier) {
    switch (modifier) {
        case Modifier::command: return Flags::command;
        case Modifier::control: return Flags::control;
        case Modifier::option: return Flags::option;
        case Modifier::shift: return Flags::shift;
    }
    return 0;
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
    std::uint64_t flags = 0;
    for (Modifier modifier : allModifiers) {
        if (heldModifiers_ & bit(modifier)) {
            flags |= flag(modifier);
        }
    }
    return flags;
}

// An event that cannot be created is skipped; the caller's bookkeeping goes on as if it
// had been posted, so that a later release still posts the matching key-up.
void EventEmitter::post(std::uint16_t keyCode, bool keyDown, std::uint64_t flags,
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

void EventEmitter::postModifier(Modifier modifier, bool keyDown) {
    const std::uint64_t flags =
        keyDown ? activeFlags() | flag(modifier) : activeFlags() & ~flag(modifier);
    post(keyCode(modifier), keyDown, flags);
}

void EventEmitter::hold(Modifier modifier) {
    std::lock_guard guard(lock_);
    if (heldModifiers_ & bit(modifier)) {
        return;
    }
    postModifier(modifier, true);
    heldModifiers_ |= bit(modifier);
}

void EventEmitter::release(Modifier modifier) {
    std::lock_guard guard(lock_);
    if (!(heldModifiers_ & bit(modifier))) {
        return;
    }
    heldModifiers_ &= static_cast<std::uint8_t>(~bit(modifier));
    postModifier(modifier, false);
}

void EventEmitter::releaseAll() {
    std::lock_guard guard(lock_);
    for (auto it = allModifiers.rbegin(); it != allModifiers.rend(); ++it) {
        if (heldModifiers_ & bit(*it)) {
            heldModifiers_ &= static_cast<std::uint8_t>(~bit(*it));
            postModifier(*it, false);
        }
    }
}

void EventEmitter::tapKey(std::uint16_t keyCode) {
    std::lock_guard guard(lock_);
    post(keyCode, true, activeFlags());
    post(keyCode, false, activeFlags());
}

void EventEmitter::tap(const KeyChord& chord) {
    std::lock_guard guard(lock_);
    std::array<Modifier, 4> pressed{};
    std::size_t count = 0;
    for (Modifier modifier : allModifiers) {
        if ((chord.flags() & flag(modifier)) && !(heldModifiers_ & bit(modifier))) {
            pressed[count++] = modifier;
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        postModifier(pressed[i], true);
        heldModifiers_ |= bit(pressed[i]);
    }
    post(chord.keyCode, true, activeFlags());
    post(chord.keyCode, false, activeFlags());
    for (std::size_t i = count; i-- > 0;) {
        heldModifiers_ &= static_cast<std::uint8_t>(~bit(pressed[i]));
        postModifier(pressed[i], false);
    }
}

void EventEmitter::emitText(std::string_view text) {
    std::lock_guard guard(lock_);
    if (text.empty()) {
        return;
    }
    // Layout texts are one character; a stack buffer keeps them off the heap.
    char16_t buffer[32];
    const std::size_t units = utf8ToUtf16(text, buffer, std::size(buffer));
    if (units <= std::size(buffer)) {
        post(0, true, 0, {buffer, units});
        post(0, false, 0, {buffer, units});
        return;
    }
    const std::u16string longText = utf8ToUtf16(text);
    post(0, true, 0, longText);
    post(0, false, 0, longText);
}

}  // namespace varnel
