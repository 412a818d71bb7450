// Mouse buttons through the tap: with Ctrl and Command exchanged on the keyboard, the mouse
// still reports the physical Control, so Ctrl + click would open a context menu instead of
// adding to a selection. Runs inside the tap callback: no counting, no diagnostics.

#include "engine/keyboard_engine.h"
#include "mapping/windows_mapping.h"

namespace varnel {

std::uint64_t KeyboardEngine::wantedEventMask() const {
    // The whole mouse only while Ctrl + click is on: every drag would otherwise wait for this
    // main thread. The presses alone tell a Windows key + click from a tap of the key.
    if (options_.windowsControlClick) {
        return keyboardEventMask | mouseButtonEventMask;
    }
    return keyboardEventMask | (options_.windowsKeyShortcuts ? mouseDownEventMask : 0);
}

EventRef KeyboardEngine::processMouse(EventRef event) {
    windowsKeyAlone_ = false;
    if (paused_ || !options_.windowsControlClick) {
        return event;
    }
    // As for keys: the Command that Alt + Tab holds is down for the application too.
    platform_.setFlags(
        event, WindowsMapping::swapControlAndCommand(platform_.flags(event)) | syntheticFlags());
    return event;
}

void KeyboardEngine::refreshEventMask() {
    const std::uint64_t wanted = wantedEventMask();
    if (!enabled_ || eventTap_ == nullptr || tapRetired_ || tapEventMask_ == wanted) {
        return;
    }
    TapRef tap = createTap(wanted);
    RunLoopSourceRef source = tap != nullptr ? platform_.createRunLoopSource(tap) : nullptr;
    if (source == nullptr) {
        if (tap != nullptr) {
            platform_.invalidateTap(tap);
            platform_.releaseTap(tap);
        }
        return;  // the tap in place goes on with the keyboard
    }
    // Never two at once: each would exchange the flags again.
    platform_.enableTap(eventTap_, false);
    removeTap();
    eventTap_ = tap;
    runLoopSource_ = source;
    tapEventMask_ = wanted;
    platform_.addToRunLoop(tapThread_, source);
    platform_.enableTap(tap, true);
    // The system may have disabled the old tap, its notice still waiting on the port that went
    // with it: catch up as after a gap (with nothing held, nothing is posted).
    catchUpAfterGap();
}

}  // namespace varnel
