#include "platform/macos/mac_application_control.h"

#import <AppKit/AppKit.h>

namespace varnel {

MacApplicationControl::~MacApplicationControl() {
    endLatencyCriticalActivity();
}

void MacApplicationControl::closeKeyWindow() {
    // As the close button does: the window's delegate is asked first, so the toolkit that
    // owns the window sees it close (a plain -close would leave it counted visible).
    [[NSApp keyWindow] performClose:nil];
}

void MacApplicationControl::hideApplication() {
    [NSApp hide:nil];
}

void MacApplicationControl::activateIgnoringOtherApps() {
    [NSApp activateIgnoringOtherApps:YES];
}

void MacApplicationControl::beginLatencyCriticalActivity() {
    if (activity_ != nullptr) {
        return;
    }
    id<NSObject> token = [[NSProcessInfo processInfo]
        beginActivityWithOptions:NSActivityUserInitiatedAllowingIdleSystemSleep |
                                 NSActivityLatencyCritical
                          reason:@"Keyboard remapping is on"];
    activity_ = (__bridge_retained void*)token;
}

void MacApplicationControl::endLatencyCriticalActivity() {
    if (activity_ == nullptr) {
        return;
    }
    id<NSObject> token = (__bridge_transfer id<NSObject>)activity_;
    activity_ = nullptr;
    [[NSProcessInfo processInfo] endActivity:token];
}

}  // namespace varnel
