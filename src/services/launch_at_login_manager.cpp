#include "services/launch_at_login_manager.h"

namespace varnel {

bool LaunchAtLoginManager::isEnabled() const {
    return api_.status() == LoginItemApi::enabled;
}

std::optional<LoginItemError> LaunchAtLoginManager::setEnabled(bool wanted) {
    const bool enabled = api_.status() == LoginItemApi::enabled;
    if (wanted == enabled) {
        return std::nullopt;
    }
    return wanted ? api_.registerApp() : api_.unregisterApp();
}

}  // namespace varnel
