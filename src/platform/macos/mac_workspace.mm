#include "platform/macos/mac_workspace.h"

#import <AppKit/AppKit.h>

namespace varnel {

namespace {

Workspace::Application describe(NSRunningApplication* application) {
    NSString* identifier = application.bundleIdentifier;
    return {identifier != nil ? std::string(identifier.UTF8String) : std::string(),
            application.processIdentifier ==
                [NSRunningApplication currentApplication].processIdentifier,
            application.processIdentifier};
}

// Where Launch Services has the application, or nil.
NSURL* applicationURL(std::string_view bundleIdentifier) {
    NSString* identifier = [[NSString alloc] initWithBytes:bundleIdentifier.data()
                                                    length:bundleIdentifier.size()
                                                  encoding:NSUTF8StringEncoding];
    if (identifier == nil) {
        return nil;
    }
    return [[NSWorkspace sharedWorkspace] URLForApplicationWithBundleIdentifier:identifier];
}

}  // namespace

std::optional<Workspace::Application> MacWorkspace::frontmostApplication() {
    @autoreleasepool {
        NSRunningApplication* application = [[NSWorkspace sharedWorkspace] frontmostApplication];
        if (application == nil) {
            return std::nullopt;
        }
        return describe(application);
    }
}

ObserverToken MacWorkspace::observeActivations(std::function<void(const Application&)> handler) {
    NSNotificationCenter* center = [[NSWorkspace sharedWorkspace] notificationCenter];
    auto shared = std::make_shared<std::function<void(const Application&)>>(std::move(handler));
    id<NSObject> observer = [center addObserverForName:NSWorkspaceDidActivateApplicationNotification
                                                object:nil
                                                 queue:[NSOperationQueue mainQueue]
                                            usingBlock:^(NSNotification* notification) {
                                              // The application activated is in the notification
                                              // itself: asking for the frontmost one now may
                                              // already name a later one.
                                              NSRunningApplication* application =
                                                  notification.userInfo[NSWorkspaceApplicationKey];
                                              if (application != nil) {
                                                  (*shared)(describe(application));
                                              }
                                            }];
    // A block observer stays registered until it is removed: the token removes it.
    return ObserverToken((__bridge_retained void*)observer, [center](void* retained) {
        id<NSObject> removed = (__bridge_transfer id<NSObject>)retained;
        [center removeObserver:removed];
    });
}

std::optional<std::string> MacWorkspace::installedApplicationName(
    std::string_view bundleIdentifier) {
    @autoreleasepool {
        NSURL* url = applicationURL(bundleIdentifier);
        if (url == nil) {
            return std::nullopt;
        }
        NSString* name = [[NSFileManager defaultManager] displayNameAtPath:url.path];
        return std::string(name.UTF8String);
    }
}

std::optional<std::string> MacWorkspace::applicationIcon(std::string_view bundleIdentifier,
                                                         int pixels) {
    @autoreleasepool {
        NSURL* url = applicationURL(bundleIdentifier);
        if (url == nil || pixels <= 0) {
            return std::nullopt;
        }
        NSImage* icon = [[NSWorkspace sharedWorkspace] iconForFile:url.path];
        // Drawn into a bitmap of exactly the size asked for, then written as PNG.
        NSBitmapImageRep* bitmap =
            [[NSBitmapImageRep alloc] initWithBitmapDataPlanes:nullptr
                                                    pixelsWide:pixels
                                                    pixelsHigh:pixels
                                                 bitsPerSample:8
                                               samplesPerPixel:4
                                                      hasAlpha:YES
                                                      isPlanar:NO
                                                colorSpaceName:NSDeviceRGBColorSpace
                                                   bytesPerRow:0
                                                  bitsPerPixel:0];
        if (bitmap == nil) {
            return std::nullopt;
        }
        [NSGraphicsContext saveGraphicsState];
        [NSGraphicsContext
            setCurrentContext:[NSGraphicsContext graphicsContextWithBitmapImageRep:bitmap]];
        [icon drawInRect:NSMakeRect(0, 0, pixels, pixels)
                fromRect:NSZeroRect
               operation:NSCompositingOperationCopy
                fraction:1.0];
        [NSGraphicsContext restoreGraphicsState];
        NSData* png = [bitmap representationUsingType:NSBitmapImageFileTypePNG properties:@{}];
        if (png == nil) {
            return std::nullopt;
        }
        return std::string(static_cast<const char*>(png.bytes), png.length);
    }
}

int MacWorkspace::systemMajorVersion() {
    return static_cast<int>([NSProcessInfo processInfo].operatingSystemVersion.majorVersion);
}

}  // namespace varnel
