#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "services/permission_api.h"

namespace varnel {

// The simulated Mac's privacy permissions and its settings application.
class SimPermissions : public PermissionApi {
  public:
    bool isAccessibilityTrusted() override { return accessibility; }
    bool promptForAccessibility() override;
    bool mayListenToEvents() override { return inputMonitoring; }
    bool requestListenToEvents() override;
    bool openUrl(std::string_view text) override;

    bool allGranted() const { return accessibility && inputMonitoring; }

    bool accessibility = false;
    bool inputMonitoring = false;
    int accessibilityPrompts = 0;
    int inputMonitoringRequests = 0;
    // Whether the system opens a URL; URLs not listed get `opensUrlsByDefault`.
    std::map<std::string, bool, std::less<>> urlAnswers;
    bool opensUrlsByDefault = true;
    std::vector<std::string> urlsTried;  // every URL asked for, in order
    std::vector<std::string> urlsOpened;
};

}  // namespace varnel
