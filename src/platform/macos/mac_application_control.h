#pragma once

#include "app/application_control.h"

namespace varnel {

// The application and its windows through NSApp; the activity through NSProcessInfo.
class MacApplicationControl : public ApplicationControl {
  public:
    MacApplicationControl() = default;
    ~MacApplicationControl() override;
    MacApplicationControl(const MacApplicationControl&) = delete;
    MacApplicationControl& operator=(const MacApplicationControl&) = delete;

    void closeKeyWindow() override;
    void hideApplication() override;
    void activateIgnoringOtherApps() override;
    void beginLatencyCriticalActivity() override;
    void endLatencyCriticalActivity() override;

  private:
    void* activity_ = nullptr;  // the activity's token, retained once while held
};

}  // namespace varnel
