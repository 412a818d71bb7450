#include "platform/macos/mac_keyboard_focus.h"

#include <memory>

#include <ApplicationServices/ApplicationServices.h>

namespace varnel {

namespace {

constexpr float messagingTimeoutSeconds = 0.05f;

// Only the element's role, and whether its value is settable: never the value itself.
KeyboardFocus::Kind kindOf(AXUIElementRef element) {
    AXUIElementSetMessagingTimeout(element, messagingTimeoutSeconds);
    CFTypeRef role = nullptr;
    if (AXUIElementCopyAttributeValue(element, kAXRoleAttribute, &role) != kAXErrorSuccess ||
        role == nullptr) {
        return KeyboardFocus::Kind::unknown;
    }
    // A search field is a text field with its own subrole.
    const bool textRole = CFEqual(role, kAXTextFieldRole) || CFEqual(role, kAXTextAreaRole) ||
                          CFEqual(role, kAXComboBoxRole);
    CFRelease(role);
    if (textRole) {
        return KeyboardFocus::Kind::textEntry;
    }
    Boolean settable = false;
    if (AXUIElementIsAttributeSettable(element, kAXValueAttribute, &settable) == kAXErrorSuccess &&
        settable) {
        return KeyboardFocus::Kind::textEntry;  // editable content of another role
    }
    return KeyboardFocus::Kind::other;
}

KeyboardFocus::Kind focusedKind(AXUIElementRef application) {
    CFTypeRef focused = nullptr;
    const AXError error =
        AXUIElementCopyAttributeValue(application, kAXFocusedUIElementAttribute, &focused);
    if (error == kAXErrorNoValue) {
        return KeyboardFocus::Kind::other;  // nothing has the focus: no text field either
    }
    if (error != kAXErrorSuccess || focused == nullptr) {
        return KeyboardFocus::Kind::unknown;
    }
    const KeyboardFocus::Kind kind = kindOf(static_cast<AXUIElementRef>(focused));
    CFRelease(focused);
    return kind;
}

// One application followed: its element, the observer on its focus changes, the handler.
// Destroyed with the token, on the main thread, which removes the observation.
struct Follower {
    AXUIElementRef application = nullptr;
    AXObserverRef observer = nullptr;
    bool observing = false;
    std::function<void(KeyboardFocus::Kind)> changed;

    ~Follower() {
        if (observer != nullptr) {
            if (observing) {
                AXObserverRemoveNotification(observer, application,
                                             kAXFocusedUIElementChangedNotification);
                CFRunLoopRemoveSource(CFRunLoopGetMain(), AXObserverGetRunLoopSource(observer),
                                      kCFRunLoopDefaultMode);
            }
            CFRelease(observer);
        }
        if (application != nullptr) {
            CFRelease(application);
        }
    }
};

// The element in the notification is the one that has the focus now.
void focusChanged(AXObserverRef, AXUIElementRef element, CFStringRef, void* refcon) {
    auto* follower = static_cast<Follower*>(refcon);
    if (follower->changed) {
        follower->changed(kindOf(element));
    }
}

}  // namespace

KeyboardFocus::Following MacKeyboardFocus::follow(const Workspace::Application& application,
                                                  std::function<void(Kind)> changed) {
    const pid_t pid = application.processIdentifier;
    if (pid <= 0 || application.isCurrentProcess) {
        return {};  // unknown, and nothing to follow
    }
    auto follower = std::make_shared<Follower>();
    follower->changed = std::move(changed);
    follower->application = AXUIElementCreateApplication(pid);
    if (follower->application == nullptr) {
        return {};
    }
    AXUIElementSetMessagingTimeout(follower->application, messagingTimeoutSeconds);
    const Kind now = focusedKind(follower->application);
    if (AXObserverCreate(pid, &focusChanged, &follower->observer) == kAXErrorSuccess &&
        AXObserverAddNotification(follower->observer, follower->application,
                                  kAXFocusedUIElementChangedNotification,
                                  follower.get()) == kAXErrorSuccess) {
        follower->observing = true;
        CFRunLoopAddSource(CFRunLoopGetMain(), AXObserverGetRunLoopSource(follower->observer),
                           kCFRunLoopDefaultMode);
    }
    return {now, follower};
}

}  // namespace varnel
