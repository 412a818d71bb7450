#pragma once

#include <string>
#include <vector>

#include "app/application_control.h"

namespace varnel {

// Records what the application was asked to do with its windows.
class SimApplicationControl : public ApplicationControl {
  public:
    void closeKeyWindow() override { calls.push_back("closeKeyWindow"); }
    void hideApplication() override { calls.push_back("hide"); }
    void activateIgnoringOtherApps() override { calls.push_back("activate"); }

    std::vector<std::string> calls;
};

}  // namespace varnel
