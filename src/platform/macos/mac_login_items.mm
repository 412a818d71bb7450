#include "platform/macos/mac_login_items.h"

#import <Foundation/Foundation.h>
#import <ServiceManagement/ServiceManagement.h>

namespace varnel {

namespace {

std::optional<LoginItemError> failure(BOOL succeeded, NSError* error) {
    if (succeeded) {
        return std::nullopt;
    }
    const char* text = error.localizedDescription.UTF8String;
    return LoginItemError{text ? text : ""};
}

}  // namespace

int MacLoginItems::status() {
    return static_cast<int>(SMAppService.mainAppService.status);
}

std::optional<LoginItemError> MacLoginItems::registerApp() {
    NSError* error = nil;
    const BOOL succeeded = [SMAppService.mainAppService registerAndReturnError:&error];
    return failure(succeeded, error);
}

std::optional<LoginItemError> MacLoginItems::unregisterApp() {
    NSError* error = nil;
    const BOOL succeeded = [SMAppService.mainAppService unregisterAndReturnError:&error];
    return failure(succeeded, error);
}

LoginItemApi::Location MacLoginItems::location() {
    const char* bundle = NSBundle.mainBundle.bundlePath.UTF8String;
    const char* home = NSHomeDirectory().UTF8String;
    return {bundle ? bundle : "", home ? home : ""};
}

}  // namespace varnel
