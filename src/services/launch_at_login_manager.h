#pragma once

#include <optional>
#include <string_view>

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
    // Whether the application runs from /Applications or ~/Applications (or a folder in
    // them): the only places a login item of its own may point to. A disk image, a
    // translocated copy, Downloads or a build folder are not.
    bool runsFromApplicationsFolder() const;
    static bool isInApplicationsFolder(const LoginItemApi::Location& location);

  private:
    LoginItemApi& api_;
};

}  // namespace varnel
