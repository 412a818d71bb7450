#pragma once

#include <cstddef>
#include <cstdint>

#include "model/keyboard_type.h"

namespace varnel {

// Opaque handles of the platform's objects. On a Mac they are the CoreGraphics and
// CoreFoundation references themselves (CGEventRef, CFMachPortRef, CFRunLoopSourceRef,
// CGEventSourceRef), handed through untouched: the engine never copies an event.
using EventRef = struct OpaqueEvent*;
using TapRef = struct OpaqueTap*;
using RunLoopSourceRef = struct OpaqueRunLoopSource*;
using EventSourceRef = struct OpaqueEventSource*;
// A thread with a run loop of its own, for a tap.
using TapThreadRef = struct OpaqueTapThread*;

// Event types by the platform's numbers.
namespace EventType {
inline constexpr std::uint32_t keyDown = 10;
inline constexpr std::uint32_t keyUp = 11;
inline constexpr std::uint32_t flagsChanged = 12;
// Notices sent to a tap's callback when the system has disabled the tap.
inline constexpr std::uint32_t tapDisabledByTimeout = 0xFFFFFFFE;
inline constexpr std::uint32_t tapDisabledByUserInput = 0xFFFFFFFF;
// Mouse buttons: pressed, released and moved while pressed, for the left, right and other
// buttons. Their flags are the modifiers held, as on key events.
inline constexpr std::uint32_t leftMouseDown = 1;
inline constexpr std::uint32_t leftMouseUp = 2;
inline constexpr std::uint32_t rightMouseDown = 3;
inline constexpr std::uint32_t rightMouseUp = 4;
inline constexpr std::uint32_t leftMouseDragged = 6;
inline constexpr std::uint32_t rightMouseDragged = 7;
inline constexpr std::uint32_t otherMouseDown = 25;
inline constexpr std::uint32_t otherMouseUp = 26;
inline constexpr std::uint32_t otherMouseDragged = 27;
}  // namespace EventType

// Integer fields of an event by the platform's numbers.
enum class EventField : std::uint32_t {
    keyboardEventAutorepeat = 8,
    keyboardEventKeycode = 9,
    // The keyboard type of the device the key came from (see keyboardLayoutType()).
    keyboardEventKeyboardType = 10,
    eventSourceUserData = 42,
};

enum class TapLocation : std::uint32_t { hid = 0, session = 1 };
enum class TapPlacement : std::uint32_t { headInsert = 0 };
enum class TapOptions : std::uint32_t { activeFilter = 0 };
enum class EventSourceState : std::int32_t { combinedSession = 0 };

// Bits of a tap's event mask: key down, key up and flags changed.
inline constexpr std::uint64_t keyboardEventMask =
    1ull << EventType::keyDown | 1ull << EventType::keyUp | 1ull << EventType::flagsChanged;
// The mouse button events: down, up and dragged, of each button (mouse moves are not among
// them).
inline constexpr std::uint64_t mouseButtonEventMask =
    1ull << EventType::leftMouseDown | 1ull << EventType::leftMouseUp |
    1ull << EventType::rightMouseDown | 1ull << EventType::rightMouseUp |
    1ull << EventType::leftMouseDragged | 1ull << EventType::rightMouseDragged |
    1ull << EventType::otherMouseDown | 1ull << EventType::otherMouseUp |
    1ull << EventType::otherMouseDragged;
// Only the presses of the three buttons: what tells that a click came between two keys.
inline constexpr std::uint64_t mouseDownEventMask = 1ull << EventType::leftMouseDown |
                                                    1ull << EventType::rightMouseDown |
                                                    1ull << EventType::otherMouseDown;
constexpr bool isMouseButtonEvent(std::uint32_t type) {
    return type < 64 && (mouseButtonEventMask >> type & 1u) != 0;
}

// The tap's callback: returns the event to deliver (changed or not), or null to drop it.
// The event is the system's: the callback neither retains nor releases what it returns.
using TapCallback = EventRef (*)(void* proxy, std::uint32_t type, EventRef event, void* userInfo);

// The keyboard events of the user's session: an active filter that sees every key event
// before applications do, and the means to post synthetic ones. The tap runs on a thread of
// its own (startTapThread), so that no key waits for the main thread; the calls on a tap, its
// source, events and event sources are made on that thread (or on the main thread when no
// such thread could be had), and none blocks. The tap thread's own calls say where they may be
// made.
class EventPlatform {
  public:
    virtual ~EventPlatform() = default;

    // A thread with a run loop of its own, running until endTapThread(); null when none can be
    // had (the tap then goes on the main run loop). Main thread only.
    virtual TapThreadRef startTapThread() = 0;
    // Runs `work(context)` on the tap thread, between two callbacks, and returns once it has
    // run. Main thread only: never from the tap thread, whose callback would wait for itself.
    virtual void runOnTapThread(TapThreadRef thread, void (*work)(void* context),
                                void* context) = 0;
    // Ends the thread's run loop and waits for the thread to end. Main thread only, once no
    // tap's source is on its run loop.
    virtual void endTapThread(TapThreadRef thread) = 0;

    // A tap at `location` with `placement` and `options` for the event types in `eventMask`.
    // Returns null when the system refuses (the permissions are missing). The tap does
    // nothing until its run-loop source is on a run loop and it is enabled; then `callback`
    // runs on that run loop's thread for every matching event, with `userInfo`.
    // The returned tap is owned by the caller: invalidate it, then releaseTap().
    virtual TapRef createTap(TapLocation location, TapPlacement placement, TapOptions options,
                             std::uint64_t eventMask, TapCallback callback, void* userInfo) = 0;
    // A run-loop source for the tap (order 0), or null on failure. Owned by the caller.
    virtual RunLoopSourceRef createRunLoopSource(TapRef tap) = 0;
    // Adds the source to, or removes it from, the run loop of `thread` (the main run loop when
    // null), in the common modes. Callable from either thread.
    virtual void addToRunLoop(TapThreadRef thread, RunLoopSourceRef source) = 0;
    virtual void removeFromRunLoop(TapThreadRef thread, RunLoopSourceRef source) = 0;
    // Enables or disables the tap. A tap the system disables announces itself to its callback
    // with EventType::tapDisabledByTimeout or tapDisabledByUserInput, but only once its run
    // loop's thread is free again: keys typed in between reach the applications untouched. A
    // tap on the main run loop is disabled for timeout when a key waits too long for a busy
    // main thread.
    // A tap is disabled before its source leaves the run loop: an enabled tap nobody services
    // holds the keyboard up.
    virtual void enableTap(TapRef tap, bool enable) = 0;
    // Ends the tap for good: its callback is never called again. Neither this nor the releases
    // below may run inside the tap's own callback: disable the tap there, and finish once the
    // callback has returned.
    virtual void invalidateTap(TapRef tap) = 0;
    virtual void releaseTap(TapRef tap) = 0;
    virtual void releaseRunLoopSource(RunLoopSourceRef source) = 0;
    // Whether the process is still trusted for Accessibility. An active tap of a process that
    // is not holds input up until the system disables it for timeout, after every re-enable.
    virtual bool isProcessTrusted() = 0;

    // An event's integer field; the key code is a 16-bit value in this 64-bit field, and the
    // user data survives posting and comes back unchanged through the tap.
    virtual std::int64_t integerField(EventRef event, EventField field) = 0;
    virtual void setIntegerField(EventRef event, EventField field, std::int64_t value) = 0;
    // The physical layout of a keyboard type, as key events carry it in
    // EventField::keyboardEventKeyboardType: anything the system does not call ISO or JIS is
    // ANSI. The answer for a type never changes; the caller keeps it.
    virtual KeyboardType keyboardLayoutType(std::int64_t keyboardType) = 0;
    // The flags the receiving application sees are those set last.
    virtual std::uint64_t flags(EventRef event) = 0;
    virtual void setFlags(EventRef event, std::uint64_t flags) = 0;

    // An event source, or null; events can be created without one. Owned by the caller.
    virtual EventSourceRef createEventSource(EventSourceState state) = 0;
    virtual void releaseEventSource(EventSourceRef source) = 0;
    // A new keyboard event, or null: a key-down or key-up, except for a modifier key (key
    // codes 54 to 63), which makes a flags-changed event whose flags tell whether it is down.
    // Owned by the caller: releaseEvent() it after posting.
    virtual EventRef createKeyboardEvent(EventSourceRef source, std::uint16_t keyCode,
                                         bool keyDown) = 0;
    // The receiving application types these UTF-16 units instead of the key's own character.
    virtual void setUnicodeString(EventRef event, const char16_t* units, std::size_t count) = 0;
    // Posts the event at `location`. At the HID level it enters below every session tap, so
    // it comes back through the caller's own tap, after the current callback has returned.
    // Posting does not take ownership.
    virtual void postEvent(TapLocation location, EventRef event) = 0;
    virtual void releaseEvent(EventRef event) = 0;

    // The modifiers physically down right now (the HID system's state, not what taps made of
    // it), as event flags; device bits tell left from right where the system reports them.
    virtual std::uint64_t physicalModifierFlags() = 0;

    // Seconds on a clock that never goes backwards (time since boot): only differences mean
    // anything. The wall clock may be stepped back by a time correction or by hand.
    virtual double monotonicTime() = 0;
};

}  // namespace varnel
