#include "ui/macos/mac_appearance.h"

#import <AppKit/AppKit.h>

namespace varnel::MacAppearance {

namespace {

NSColor* named(SystemColor color) {
    switch (color) {
        case SystemColor::accent: return NSColor.controlAccentColor;
        case SystemColor::green: return NSColor.systemGreenColor;
        case SystemColor::red: return NSColor.systemRedColor;
        case SystemColor::orange: return NSColor.systemOrangeColor;
    }
    return nil;
}

NSAppearance* appearance(bool dark) {
    NSAppearanceName wanted = dark ? NSAppearanceNameDarkAqua : NSAppearanceNameAqua;
    NSAppearance* current = NSApp ? NSApp.effectiveAppearance : nil;
    NSAppearanceName match = [current
        bestMatchFromAppearancesWithNames:@[ NSAppearanceNameAqua, NSAppearanceNameDarkAqua ]];
    if (current && [match isEqualToString:wanted]) {
        return current;
    }
    return [NSAppearance appearanceNamed:wanted];
}

NSStatusBarButton* statusBarButtonIn(NSView* view) {
    if ([view isKindOfClass:[NSStatusBarButton class]]) {
        return static_cast<NSStatusBarButton*>(view);
    }
    for (NSView* child in view.subviews) {
        if (NSStatusBarButton* button = statusBarButtonIn(child)) {
            return button;
        }
    }
    return nil;
}

}  // namespace

std::optional<Rgba> systemColor(SystemColor color, bool dark) {
    NSColor* dynamic = named(color);
    __block NSColor* resolved = nil;
    [appearance(dark) performAsCurrentDrawingAppearance:^{
      resolved = [dynamic colorUsingColorSpace:NSColorSpace.sRGBColorSpace];
    }];
    if (!resolved) {
        return std::nullopt;
    }
    return Rgba{resolved.redComponent, resolved.greenComponent, resolved.blueComponent,
                resolved.alphaComponent};
}

bool setStatusItemAccessibilityLabel(std::string_view label) {
    NSString* text = [[NSString alloc] initWithBytes:label.data()
                                              length:label.size()
                                            encoding:NSUTF8StringEncoding];
    bool found = false;
    // A status item's button sits in a window of its own, listed among the application's.
    for (NSWindow* window in NSApp.windows) {
        if (NSStatusBarButton* button = statusBarButtonIn(window.contentView)) {
            button.accessibilityLabel = text;
            found = true;
        }
    }
    return found;
}

}  // namespace varnel::MacAppearance
