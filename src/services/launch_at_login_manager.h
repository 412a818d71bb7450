#pragma once

#include <optional>

#include "services/login_item_api.h"

namespace varnel {

// Start at login for the application itself. Only the enabled status counts as on.
class LaunchAtLoginManager {
  public:
    explicit LaunchAtLoginManager(LoginItemApi& api) : api_(api) {}

    bool isEnabled() const;
    // Registers or unregisters when the status differs from the wish; the platform's error,
    // unchanged, when it refuses. Callers read isEnabled() afterwards.
    std::optional<LoginItemError> setEnabled(bool wanted);

  private:
    LoginItemApi& api_;
};

}  // namespace varnel
