#include "services/launch_at_login_manager.h"

#include <string>

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

bool LaunchAtLoginManager::runsFromApplicationsFolder() const {
    return isInApplicationsFolder(api_.location());
}

bool LaunchAtLoginManager::isInApplicationsFolder(const LoginItemApi::Location& location) {
    const std::string_view path = location.bundlePath;
    // "/Applications/../Users/x/Downloads/Varnel.app" is not in Applications.
    if (path.find("/../") != std::string_view::npos || path.find("/./") != std::string_view::npos) {
        return false;
    }
    const auto bundleIn = [path](std::string_view folder) {
        return path.size() > folder.size() + 1 && path.starts_with(folder) &&
               path[folder.size()] == '/';
    };
    std::string home = location.homeDirectory;
    while (home.ends_with('/')) {
        home.pop_back();
    }
    return bundleIn("/Applications") || (!home.empty() && bundleIn(home + "/Applications"));
}

}  // namespace varnel
