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
    id<NSObject> observer = [center addObserverForName:name
                                                object:nil
                                                 queue:[NSOperationQueue mainQueue]
                                            usingBlock:^(NSNotification*) {
                                              (*shared)();
                                            }];
    // A block observer stays registered until it is removed, whatever holds the returned
    // object: the token removes it when the token goes.
    return ObserverToken((__bridge_retained void*)observer, [center](void* retained) {
        id<NSObject> removed = (__bridge_transfer id<NSObject>)retained;
        [center removeObserver:removed];
    });
}

}  // namespace varnel
