#include "platform/macos/mac_self_check_probe.h"

#include <ApplicationServices/ApplicationServices.h>
#include <Carbon/Carbon.h>
#import <Foundation/Foundation.h>

namespace varnel {

namespace {

// F20: no Mac keyboard has it and nothing is bound to it; and only its key-up is posted,
// which applications do not act on, so the user's frontmost application types nothing.
constexpr CGKeyCode echoKey = kVK_F20;
// Up to a second, in slices, for the posted event to come back.
constexpr int echoSlices = 20;
constexpr CFTimeInterval echoSliceSeconds = 0.05;

struct Echo {
    std::int64_t marker;
    bool seen = false;
};

CGEventRef listen(CGEventTapProxy, CGEventType type, CGEventRef event, void* info) {
    auto* echo = static_cast<Echo*>(info);
    if (type == kCGEventKeyUp &&
        CGEventGetIntegerValueField(event, kCGEventSourceUserData) == echo->marker) {
        echo->seen = true;
    }
    return event;
}

std::string utf8(NSString* text) {
    const char* bytes = text.UTF8String;
    return bytes ? bytes : "";
}

// Posts the marked key-up and runs the run loop until it has come back or the time is up.
bool postAndWait(CFMachPortRef port, Echo& echo) {
    CFRunLoopSourceRef source = CFMachPortCreateRunLoopSource(kCFAllocatorDefault, port, 0);
    if (source == nullptr) {
        return false;
    }
    CFRunLoopAddSource(CFRunLoopGetCurrent(), source, kCFRunLoopCommonModes);
    CGEventTapEnable(port, true);
    if (CGEventRef event = CGEventCreateKeyboardEvent(nullptr, echoKey, false)) {
        CGEventSetIntegerValueField(event, kCGEventSourceUserData, echo.marker);
        CGEventPost(kCGHIDEventTap, event);
        CFRelease(event);
    }
    for (int slice = 0; slice < echoSlices && !echo.seen; ++slice) {
        CFRunLoopRunInMode(kCFRunLoopDefaultMode, echoSliceSeconds, true);
    }
    CGEventTapEnable(port, false);
    CFRunLoopRemoveSource(CFRunLoopGetCurrent(), source, kCFRunLoopCommonModes);
    CFRelease(source);
    return echo.seen;
}

}  // namespace

std::string MacSelfCheckProbe::systemVersion() {
    @autoreleasepool {
        return "macOS " + utf8([[NSProcessInfo processInfo] operatingSystemVersionString]);
    }
}

bool MacSelfCheckProbe::secureEventInputEnabled() {
    return IsSecureEventInputEnabled();
}

std::string MacSelfCheckProbe::settingsDomain() {
    @autoreleasepool {
        if (NSString* identifier = [[NSBundle mainBundle] bundleIdentifier]) {
            return utf8(identifier);
        }
        // Outside a bundle the defaults are the executable's own.
        return utf8([[NSProcessInfo processInfo] processName]) + " (no bundle identifier)";
    }
}

SelfCheckProbe::TapEcho MacSelfCheckProbe::tapEcho(bool post, std::int64_t marker) {
    Echo echo{marker};
    CFMachPortRef port = CGEventTapCreate(
        kCGSessionEventTap, kCGHeadInsertEventTap, kCGEventTapOptionListenOnly,
        CGEventMaskBit(kCGEventKeyDown) | CGEventMaskBit(kCGEventKeyUp), &listen, &echo);
    if (port == nullptr) {
        return TapEcho::refused;
    }
    TapEcho result = TapEcho::notPosted;
    if (post) {
        result = postAndWait(port, echo) ? TapEcho::echoed : TapEcho::lost;
    }
    CFMachPortInvalidate(port);
    CFRelease(port);
    return result;
}

}  // namespace varnel
