#include "platform/macos/mac_application_control.h"

#import <AppKit/AppKit.h>

namespace varnel {

void MacApplicationControl::closeKeyWindow() {
    [[NSApp keyWindow] close];
}

void MacApplicationControl::hideApplication() {
    [NSApp hide:nil];
}

void MacApplicationControl::activateIgnoringOtherApps() {
    [NSApp activateIgnoringOtherApps:YES];
}

}  // namespace varnel
