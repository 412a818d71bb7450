#include "platform/macos/mac_system_notifications.h"

#import <AppKit/AppKit.h>

namespace varnel {

ObserverToken MacSystemNotifications::addObserver(SystemNotification notification,
                                                  std::function<void()> handler) {
    const bool terminate = notification == SystemNotification::applicationWillTerminate;
    NSNotificationCenter* center = terminate ? [NSNotificationCenter defaultCenter]
                                             : [[NSWorkspace sharedWorkspace] notificationCenter];
    NSNotificationName name =
        terminate ? NSApplicationWillTerminateNotification : NSWorkspaceDidWakeNotification;
    auto shared = std::make_shared<std::function<void()>>(std::move(handler));
    id<NSObject> token = [center addObserverForName:name
                                             object:nil
                                              queue:[NSOperationQueue mainQueue]
                                         usingBlock:^(NSNotification*) {
                                           (*shared)();
                                         }];
    // The token holds one reference to the observation, released with the token.
    return ObserverToken((__bridge_retained void*)token, [](void* retained) {
        id<NSObject> released = (__bridge_transfer id<NSObject>)retained;
        (void)released;
    });
}

}  // namespace varnel
