#pragma once

#include "app/application_control.h"

namespace varnel {

// The application's windows through NSApp.
class MacApplicationControl : public ApplicationControl {
  public:
    void closeKeyWindow() override;
    void hideApplication() override;
    void activateIgnoringOtherApps() override;
};

}  // namespace varnel
