#pragma once

#include "services/secure_input_api.h"

namespace varnel {

// The simulated Mac's secure keyboard input, on while a test says so.
class SimSecureInput : public SecureInputApi {
  public:
    bool isSecureEventInputEnabled() override { return enabled; }

    bool enabled = false;
};

}  // namespace varnel
