#pragma once

#include "app/application_control.h"

namespace varnel {

// The application's windows away from a Mac, where Qt cannot hide a whole application:
// the active window closes, and hiding hides the application's windows. A window the
// window manager does not manage is left alone: the tray icon is drawn in one, and hiding
// it would leave nothing to bring Varnel back.
class QtApplicationControl : public ApplicationControl {
  public:
    void closeKeyWindow() override;
    void hideApplication() override;
    void activateIgnoringOtherApps() override;
    // Nothing throttles a background application here.
    void beginLatencyCriticalActivity() override {}
    void endLatencyCriticalActivity() override {}
};

}  // namespace varnel
