#include "platform/macos/mac_self_check_probe.h"

#include <ApplicationServices/ApplicationServices.h>
#include <Carbon/Carbon.h>
#import <Foundation/Foundation.h>
#include <libproc.h>
#include <unistd.h>

#include <string_view>

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

// The executable of a process, or empty when it cannot be read.
std::string executablePath(pid_t pid) {
    char path[PROC_PIDPATHINFO_MAXSIZE];
    const int length = proc_pidpath(pid, path, sizeof path);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

pid_t parentOf(pid_t pid) {
    proc_bsdshortinfo info{};
    const int size = proc_pidinfo(pid, PROC_PIDT_SHORTBSDINFO, 0, &info, sizeof info);
    return size == static_cast<int>(sizeof info) ? static_cast<pid_t>(info.pbsi_ppid) : 0;
}

// The application bundle an executable belongs to ("Terminal" for
// /System/Applications/Utilities/Terminal.app/Contents/MacOS/Terminal), or empty.
std::string applicationOf(std::string_view path) {
    const std::size_t end = path.find(".app/Contents/MacOS/");
    if (end == std::string_view::npos) {
        return {};
    }
    const std::size_t slash = path.rfind('/', end);
    const std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
    return std::string(path.substr(start, end - start));
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

// Launch Services starts an application through launchd, which is then its parent. Anything
// else is another process, usually a shell in a terminal: the nearest application above it is
// the one macOS answers for.
SelfCheckProbe::Starter MacSelfCheckProbe::starter() {
    const pid_t parent = getppid();
    if (parent == 1) {
        return {true, "launchd", {}};
    }
    Starter starter;
    const std::string path = executablePath(parent);
    starter.process =
        path.empty() ? "process " + std::to_string(parent) : path.substr(path.rfind('/') + 1);
    // A few levels up at most: a shell, a login, the terminal.
    pid_t pid = parent;
    for (int level = 0; level < 16 && pid > 1 && starter.application.empty(); ++level) {
        starter.application = applicationOf(executablePath(pid));
        pid = parentOf(pid);
    }
    return starter;
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
