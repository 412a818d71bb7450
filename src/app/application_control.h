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

    // While the mode is on the tap runs on the main thread of an application that is usually
    // hidden: the system must not throttle it (App Nap), or every key waits. Beginning while
    // an activity is held keeps that one; ending while none is held does nothing.
    virtual void beginLatencyCriticalActivity() = 0;
    virtual void endLatencyCriticalActivity() = 0;
};

}  // namespace varnel
