#pragma once

#include <string_view>

#include "services/permission_api.h"

namespace varnel {

struct PermissionStatus {
    bool accessibility = false;
    bool inputMonitoring = false;

    bool allGranted() const { return accessibility && inputMonitoring; }
    friend bool operator==(const PermissionStatus&, const PermissionStatus&) = default;
};

// Reads and requests the two permissions and opens their panes of the system settings.
// Keeps no state: every answer is read again from the system.
class PermissionManager {
  public:
    explicit PermissionManager(PermissionApi& api) : api_(api) {}

    PermissionStatus currentStatus() const;
    // Both requests return at once; the new state is seen by a later currentStatus().
    void requestAccessibility();
    void requestInputMonitoring();
    void openAccessibilitySettings();
    void openInputMonitoringSettings();

  private:
    // Tries the settings pane's URLs in order until one opens; silent when none does.
    void openSystemSettings(std::string_view anchor);

    PermissionApi& api_;
};

}  // namespace varnel
