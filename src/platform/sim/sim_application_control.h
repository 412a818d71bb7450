#pragma once

#include <string>
#include <vector>

#include "app/application_control.h"

namespace varnel {

// Records what the application was asked to do with its windows, and whether it holds a
// latency-critical activity.
class SimApplicationControl : public ApplicationControl {
  public:
    void closeKeyWindow() override { calls.push_back("closeKeyWindow"); }
    void hideApplication() override { calls.push_back("hide"); }
    void activateIgnoringOtherApps() override { calls.push_back("activate"); }
    void beginLatencyCriticalActivity() override { holdsActivity = true; }
    void endLatencyCriticalActivity() override { holdsActivity = false; }

    std::vector<std::string> calls;
    bool holdsActivity = false;
};

}  // namespace varnel
