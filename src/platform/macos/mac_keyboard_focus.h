#pragma once

#include "app/keyboard_focus.h"

namespace varnel {

// The focus of another application through the Accessibility API: the role of its focused
// element (and whether that element's value can be set), asked when following begins and on
// each kAXFocusedUIElementChangedNotification of an AXObserver on the main run loop. Every
// question has a 50 ms messaging timeout, so a hung application cannot hold Varnel up.
class MacKeyboardFocus : public KeyboardFocus {
  public:
    Following follow(const Workspace::Application& application,
                     std::function<void(Kind)> changed) override;
};

}  // namespace varnel
