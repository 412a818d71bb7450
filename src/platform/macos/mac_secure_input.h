#pragma once

#include "services/secure_input_api.h"

namespace varnel {

// IsSecureEventInputEnabled() (Carbon, HIToolbox).
class MacSecureInput : public SecureInputApi {
  public:
    bool isSecureEventInputEnabled() override;
};

}  // namespace varnel
