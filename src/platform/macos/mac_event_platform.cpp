#include "platform/macos/mac_event_platform.h"

#include <ApplicationServices/ApplicationServices.h>
#include <time.h>

#include <exception>
#include <limits>

#include "platform/macos/mac_keyboard_layout.h"
#include "platform/macos/mac_tap_thread.h"

namespace varnel {

namespace {

// The tap's mach port with the engine's callback. CGEventTapCreate calls a C function of
// its own signature; the trampoline hands the call on with the engine's user info.
struct MacTap {
    CFMachPortRef port = nullptr;
    TapCallback callback;
    void* userInfo;
};

CGEventRef trampoline(CGEventTapProxy proxy, CGEventType type, CGEventRef event, void* info) {
    auto* tap = static_cast<MacTap*>(info);
    EventRef result = tap->callback(proxy, static_cast<std::uint32_t>(type),
                                    reinterpret_cast<EventRef>(event), tap->userInfo);
    return reinterpret_cast<CGEventRef>(result);
}

MacTap* macTap(TapRef tap) {
    return reinterpret_cast<MacTap*>(tap);
}
CGEventRef cgEvent(EventRef event) {
    return reinterpret_cast<CGEventRef>(event);
}
CFRunLoopSourceRef cfSource(RunLoopSourceRef source) {
    return reinterpret_cast<CFRunLoopSourceRef>(source);
}
CGEventTapLocation cgLocation(TapLocation location) {
    return static_cast<CGEventTapLocation>(location);
}
MacTapThread* macThread(TapThreadRef thread) {
    return reinterpret_cast<MacTapThread*>(thread);
}
// The tap thread's run loop, or the main one.
CFRunLoopRef runLoopOf(TapThreadRef thread) {
    return thread != nullptr ? macThread(thread)->runLoop() : CFRunLoopGetMain();
}

}  // namespace

TapThreadRef MacEventPlatform::startTapThread() {
    // A thread that cannot be made (std::thread throws) leaves the tap on the main run loop.
    try {
        return reinterpret_cast<TapThreadRef>(new MacTapThread);
    } catch (const std::exception&) {
        return nullptr;
    }
}

void MacEventPlatform::runOnTapThread(TapThreadRef thread, void (*work)(void*), void* context) {
    macThread(thread)->run(work, context);
}

void MacEventPlatform::endTapThread(TapThreadRef thread) {
    delete macThread(thread);
}

TapRef MacEventPlatform::createTap(TapLocation location, TapPlacement placement, TapOptions options,
                                   std::uint64_t eventMask, TapCallback callback, void* userInfo) {
    auto* tap = new MacTap{nullptr, callback, userInfo};
    tap->port = CGEventTapCreate(cgLocation(location), static_cast<CGEventTapPlacement>(placement),
                                 static_cast<CGEventTapOptions>(options),
                                 static_cast<CGEventMask>(eventMask), &trampoline, tap);
    if (tap->port == nullptr) {
        delete tap;
        return nullptr;
    }
    return reinterpret_cast<TapRef>(tap);
}

RunLoopSourceRef MacEventPlatform::createRunLoopSource(TapRef tap) {
    return reinterpret_cast<RunLoopSourceRef>(
        CFMachPortCreateRunLoopSource(kCFAllocatorDefault, macTap(tap)->port, 0));
}

void MacEventPlatform::addToRunLoop(TapThreadRef thread, RunLoopSourceRef source) {
    CFRunLoopAddSource(runLoopOf(thread), cfSource(source), kCFRunLoopCommonModes);
}

void MacEventPlatform::removeFromRunLoop(TapThreadRef thread, RunLoopSourceRef source) {
    CFRunLoopRemoveSource(runLoopOf(thread), cfSource(source), kCFRunLoopCommonModes);
}

void MacEventPlatform::enableTap(TapRef tap, bool enable) {
    CGEventTapEnable(macTap(tap)->port, enable);
}

void MacEventPlatform::invalidateTap(TapRef tap) {
    CFMachPortInvalidate(macTap(tap)->port);
}

void MacEventPlatform::releaseTap(TapRef tap) {
    CFRelease(macTap(tap)->port);
    delete macTap(tap);
}

void MacEventPlatform::releaseRunLoopSource(RunLoopSourceRef source) {
    CFRelease(cfSource(source));
}

bool MacEventPlatform::isProcessTrusted() {
    return AXIsProcessTrusted();
}

std::int64_t MacEventPlatform::integerField(EventRef event, EventField field) {
    return CGEventGetIntegerValueField(cgEvent(event), static_cast<CGEventField>(field));
}

void MacEventPlatform::setIntegerField(EventRef event, EventField field, std::int64_t value) {
    CGEventSetIntegerValueField(cgEvent(event), static_cast<CGEventField>(field), value);
}

KeyboardType MacEventPlatform::keyboardLayoutType(std::int64_t keyboardType) {
    if (keyboardType < std::numeric_limits<SInt16>::min() ||
        keyboardType > std::numeric_limits<SInt16>::max()) {
        return KeyboardType::ansi;  // no keyboard type the system knows
    }
    return macKeyboardLayout(static_cast<SInt16>(keyboardType));
}

std::uint64_t MacEventPlatform::flags(EventRef event) {
    return CGEventGetFlags(cgEvent(event));
}

void MacEventPlatform::setFlags(EventRef event, std::uint64_t flags) {
    CGEventSetFlags(cgEvent(event), static_cast<CGEventFlags>(flags));
}

EventSourceRef MacEventPlatform::createEventSource(EventSourceState state) {
    return reinterpret_cast<EventSourceRef>(
        CGEventSourceCreate(static_cast<CGEventSourceStateID>(state)));
}

void MacEventPlatform::releaseEventSource(EventSourceRef source) {
    CFRelease(source);
}

EventRef MacEventPlatform::createKeyboardEvent(EventSourceRef source, std::uint16_t keyCode,
                                               bool keyDown) {
    return reinterpret_cast<EventRef>(CGEventCreateKeyboardEvent(
        reinterpret_cast<CGEventSourceRef>(source), static_cast<CGKeyCode>(keyCode), keyDown));
}

void MacEventPlatform::setUnicodeString(EventRef event, const char16_t* units, std::size_t count) {
    static_assert(sizeof(UniChar) == sizeof(char16_t));
    CGEventKeyboardSetUnicodeString(cgEvent(event), static_cast<UniCharCount>(count),
                                    reinterpret_cast<const UniChar*>(units));
}

void MacEventPlatform::postEvent(TapLocation location, EventRef event) {
    CGEventPost(cgLocation(location), cgEvent(event));
}

void MacEventPlatform::releaseEvent(EventRef event) {
    CFRelease(cgEvent(event));
}

std::uint64_t MacEventPlatform::physicalModifierFlags() {
    return CGEventSourceFlagsState(kCGEventSourceStateHIDSystemState);
}

double MacEventPlatform::monotonicTime() {
    // Uptime without the time asleep, never stepped: the wall clock may go backwards.
    return static_cast<double>(clock_gettime_nsec_np(CLOCK_UPTIME_RAW)) / 1e9;
}

}  // namespace varnel
