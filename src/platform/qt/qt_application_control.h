#pragma once

#include "app/application_control.h"

namespace varnel {

// The application's windows away from a Mac, where Qt cannot hide a whole application:
// the active window closes, and hiding hides every window.
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
