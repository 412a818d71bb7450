#include "platform/sim/sim_workspace.h"

namespace varnel {

SimWorkspace::SimWorkspace() {
    install(std::string(varnelIdentifier), "Varnel");
    install("com.apple.TextEdit", "TextEdit");
    install("com.apple.Safari", "Safari");
    install("com.apple.Terminal", "Terminal");
    install("com.apple.finder", "Finder");
    install("com.microsoft.VSCode", "Visual Studio Code");
    frontmost_ = "com.apple.TextEdit";
}

Workspace::Application SimWorkspace::describe(const std::string& bundleIdentifier) const {
    const auto found = installed_.find(bundleIdentifier);
    const int processIdentifier = found == installed_.end() ? 0 : found->second.processIdentifier;
    return {bundleIdentifier, bundleIdentifier == varnelIdentifier, processIdentifier};
}

std::optional<Workspace::Application> SimWorkspace::frontmostApplication() {
    if (frontmost_.empty()) {
        return std::nullopt;
    }
    return describe(frontmost_);
}

ObserverToken SimWorkspace::observeActivations(std::function<void(const Application&)> handler) {
    observers_.push_back(std::move(handler));
    return std::make_shared<int>(static_cast<int>(observers_.size()));
}

std::optional<std::string> SimWorkspace::installedApplicationName(
    std::string_view bundleIdentifier) {
    const auto found = installed_.find(bundleIdentifier);
    if (found == installed_.end()) {
        return std::nullopt;
    }
    return found->second.name;
}

std::optional<std::string> SimWorkspace::applicationIcon(std::string_view bundleIdentifier, int) {
    const auto found = installed_.find(bundleIdentifier);
    if (found == installed_.end() || found->second.icon.empty()) {
        return std::nullopt;
    }
    return found->second.icon;
}

void SimWorkspace::install(std::string bundleIdentifier, std::string name, std::string pngIcon) {
    installed_[std::move(bundleIdentifier)] = {std::move(name), std::move(pngIcon),
                                               nextProcessIdentifier_++};
}

bool SimWorkspace::uninstall(std::string_view bundleIdentifier) {
    const auto found = installed_.find(bundleIdentifier);
    if (found == installed_.end()) {
        return false;
    }
    installed_.erase(found);
    return true;
}

void SimWorkspace::activate(std::string bundleIdentifier) {
    frontmost_ = std::move(bundleIdentifier);
    const Application application = describe(frontmost_);
    const auto observers = observers_;  // a handler may add observers
    for (const auto& observer : observers) {
        observer(application);
    }
}

}  // namespace varnel
