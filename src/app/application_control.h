#pragma once

namespace varnel {

// The running application as the system sees it.
class ApplicationControl {
  public:
    virtual ~ApplicationControl() = default;
    // Closes the key window, if there is one.
    virtual void closeKeyWindow() = 0;
    // Hides the application; it keeps running.
    virtual void hideApplication() = 0;
    // Makes the application the active one, in front of the others.
    virtual void activateIgnoringOtherApps() = 0;
};

}  // namespace varnel
