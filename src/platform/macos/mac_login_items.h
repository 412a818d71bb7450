#pragma once

#include "services/login_item_api.h"

namespace varnel {

// Start at login through SMAppService.mainAppService (macOS 13 and later).
class MacLoginItems : public LoginItemApi {
  public:
    int status() override;
    std::optional<LoginItemError> registerApp() override;
    std::optional<LoginItemError> unregisterApp() override;
    Location location() override;
};

}  // namespace varnel
