#pragma once

#include "services/permission_api.h"

namespace varnel {

// Accessibility (AX) and Input Monitoring (CoreGraphics) permissions, and the shared
// workspace for the settings panes.
class MacPermissions : public PermissionApi {
  public:
    bool isAccessibilityTrusted() override;
    bool promptForAccessibility() override;
    bool mayListenToEvents() override;
    bool requestListenToEvents() override;
    bool openUrl(std::string_view text) override;
};

}  // namespace varnel
