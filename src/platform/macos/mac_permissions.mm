#include "platform/macos/mac_permissions.h"

#import <AppKit/AppKit.h>
#include <ApplicationServices/ApplicationServices.h>

namespace varnel {

bool MacPermissions::isAccessibilityTrusted() {
    return AXIsProcessTrusted();
}

bool MacPermissions::promptForAccessibility() {
    NSDictionary* options = @{(__bridge NSString*)kAXTrustedCheckOptionPrompt : @YES};
    return AXIsProcessTrustedWithOptions((__bridge CFDictionaryRef)options);
}

bool MacPermissions::mayListenToEvents() {
    return CGPreflightListenEventAccess();
}

bool MacPermissions::requestListenToEvents() {
    return CGRequestListenEventAccess();
}

bool MacPermissions::openUrl(std::string_view text) {
    NSString* string = [[NSString alloc] initWithBytes:text.data()
                                                length:text.size()
                                              encoding:NSUTF8StringEncoding];
    NSURL* url = string ? [NSURL URLWithString:string] : nil;
    if (url == nil) {
        return false;
    }
    return [[NSWorkspace sharedWorkspace] openURL:url];
}

}  // namespace varnel
