// The engine paused by its owner (an application left alone in front, secure input): every
// event passes as it is, and the Control and Command keys held go over to the mapping in
// force at each change, as at a stop and a start.

#include "engine/keyboard_engine.h"

namespace varnel {

void KeyboardEngine::setPaused(bool paused) {
    onTapThread([this, paused] { applyPause(paused); });
}

void KeyboardEngine::applyPause(bool paused) {
    if (paused == paused_) {
        return;
    }
    if (!enabled_ || eventTap_ == nullptr) {
        paused_ = paused;  // the next start hands over under it
        keyPathChanged();
        return;
    }
    const std::uint64_t physical = platform_.physicalModifierFlags();
    const std::uint64_t application = applicationKeys();  // under the mapping left behind
    if (paused) {
        // As at a stop: synthetic modifiers up, the keys back as they are; what was begun
        // under the mapping ends here.
        emitter_.releaseAll(heldByUser(physical));
        altTabSessionActive_ = false;
        languageChordLatched_ = false;
        languageToggleJustMade_ = false;
        forgetPendingGestures();
        suppressedKeyCodes_.reset();
        paused_ = true;
        keyPathChanged();
        handOverControlAndCommand(application, application, physical, /*exchanged=*/false);
    } else {
        paused_ = false;
        keyPathChanged();
        languageChordLatched_ = false;
        handOverControlAndCommand(application, application, physical, /*exchanged=*/true);
    }
}

EventRef KeyboardEngine::passWhilePaused(EventRef event) {
    lastPhysicalFlags_ = platform_.flags(event);  // the application holds its keys as they are
    return event;
}

}  // namespace varnel
